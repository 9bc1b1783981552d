#pragma once

#include "sheet/qt/printjob.h"
#include "sheet/report.h"

namespace sheet {

// Prints a report page on the system's default printer as a PrintJob: A4, portrait, one copy,
// the default sans typeface (Arial) with bold off. Positions are millimetres from the top-left
// corner of the printable area; a line's (x, y) is the top-left of its text, so its baseline
// lies one font ascent lower.
class PrinterSink final : public PageSink {
public:
    bool begin(int fontPt) override;
    bool printLine(double xMm, double yMm, const std::string &text) override;
    bool end() override;
    void cancel() override;

    // How the job ended: Sent or Held once end() succeeded, Failed otherwise.
    PrintOutcome outcome() const { return outcome_; }

private:
    PrintJob job_;
    bool open_ = false;
    PrintOutcome outcome_ = PrintOutcome::Failed;
};

// Paints a report page on a painter open on a printer (a print preview's), in the same
// typeface and places as PrinterSink.
bool PaintReportPage(const ReportPage &page, QPainter &painter, QPrinter &printer);

} // namespace sheet
