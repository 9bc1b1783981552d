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
    double dotsPerMm_ = 0;
    PrintOutcome outcome_ = PrintOutcome::Failed;
};

} // namespace sheet
