#pragma once

#include "sheet/report.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace sheet {

// Prints a report page on the system's default printer: A4, portrait, one copy, the default
// sans typeface (Arial) with bold off. Positions are millimetres from the top-left corner of
// the printable area; a line's (x, y) is the top-left of its text, so its baseline lies one
// font ascent lower.
class PrinterSink final : public PageSink {
public:
    PrinterSink();
    ~PrinterSink() override;

    bool begin(int fontPt) override;
    bool printLine(double xMm, double yMm, const std::string &text) override;
    bool end() override;
    void cancel() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    double dotsPerMm_ = 0;
};

} // namespace sheet
