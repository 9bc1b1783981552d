#include "sheet/qt/printersink.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace sheet {

PrinterSink::PrinterSink() = default;

PrinterSink::~PrinterSink()
{
    if (painter_.isActive())
        cancel();
}

bool PrinterSink::begin(int fontPt)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer_->isValid())
        return false;
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
    printer_->setCopyCount(1);
    printer_->setFullPage(false);
    printer_->setDocName(QStringLiteral("Horalo 2002"));
    if (!painter_.begin(printer_.get()))
        return false;
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(fontPt);
    font.setBold(false);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    dotsPerMm_ = printer_->resolution() / 25.4;
    return true;
}

bool PrinterSink::printLine(double xMm, double yMm, const std::string &text)
{
    if (!painter_.isActive())
        return false;
    const QFontMetricsF metrics(painter_.font(), printer_.get());
    const QPointF baseline(xMm * dotsPerMm_, yMm * dotsPerMm_ + metrics.ascent());
    painter_.drawText(baseline, QString::fromStdString(text));
    return true;
}

bool PrinterSink::end()
{
    if (!painter_.isActive())
        return false;
    return painter_.end() && printer_->printerState() != QPrinter::Error;
}

void PrinterSink::cancel()
{
    if (printer_)
        printer_->abort();
    if (painter_.isActive())
        painter_.end();
}

} // namespace sheet
