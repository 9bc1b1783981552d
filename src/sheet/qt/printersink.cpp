#include "sheet/qt/printersink.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace sheet {

bool PrinterSink::begin(int fontPt)
{
    outcome_ = PrintOutcome::Failed;
    if (!job_.begin())
        return false;
    open_ = true;
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(fontPt);
    font.setBold(false);
    job_.painter().setFont(font);
    job_.painter().setPen(Qt::black);
    dotsPerMm_ = job_.printer().resolution() / 25.4;
    return true;
}

bool PrinterSink::printLine(double xMm, double yMm, const std::string &text)
{
    if (!open_)
        return false;
    QPainter &painter = job_.painter();
    const QFontMetricsF metrics(painter.font(), &job_.printer());
    const QPointF baseline(xMm * dotsPerMm_, yMm * dotsPerMm_ + metrics.ascent());
    painter.drawText(baseline, QString::fromStdString(text));
    return true;
}

bool PrinterSink::end()
{
    if (!open_)
        return false;
    open_ = false;
    outcome_ = job_.finish();
    return outcome_ != PrintOutcome::Failed;
}

void PrinterSink::cancel()
{
    open_ = false;
    job_.cancel();
}

} // namespace sheet
