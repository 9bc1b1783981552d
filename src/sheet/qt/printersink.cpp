#include "sheet/qt/printersink.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace sheet {

namespace {

// The report's typeface on a painter open on a printer.
void setReportFont(QPainter &painter, int fontPt)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(fontPt);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(Qt::black);
}

// One line with its top-left corner at (x, y) mm from the printable area's corner.
void paintLine(QPainter &painter, QPrinter &printer, double xMm, double yMm, const std::string &text)
{
    const double dotsPerMm = printer.resolution() / 25.4;
    const QFontMetricsF metrics(painter.font(), &printer);
    const QPointF baseline(xMm * dotsPerMm, yMm * dotsPerMm + metrics.ascent());
    painter.drawText(baseline, QString::fromStdString(text));
}

// The page on a painter someone else opened (a print preview's).
class PainterSink final : public PageSink {
public:
    PainterSink(QPainter &painter, QPrinter &printer) : painter_(painter), printer_(printer) {}
    bool begin(int fontPt) override
    {
        setReportFont(painter_, fontPt);
        return true;
    }
    bool printLine(double xMm, double yMm, const std::string &text) override
    {
        paintLine(painter_, printer_, xMm, yMm, text);
        return true;
    }
    bool end() override { return true; }
    void cancel() override {}

private:
    QPainter &painter_;
    QPrinter &printer_;
};

} // namespace

bool PaintReportPage(const ReportPage &page, QPainter &painter, QPrinter &printer)
{
    PainterSink sink(painter, printer);
    return PrintPage(page, sink);
}

bool PrinterSink::begin(int fontPt)
{
    outcome_ = PrintOutcome::Failed;
    if (!job_.begin())
        return false;
    open_ = true;
    setReportFont(job_.painter(), fontPt);
    return true;
}

bool PrinterSink::printLine(double xMm, double yMm, const std::string &text)
{
    if (!open_)
        return false;
    paintLine(job_.painter(), job_.printer(), xMm, yMm, text);
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
