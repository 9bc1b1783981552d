#include "sheet/report.h"

#include "sheet/numbers.h"

namespace sheet {

namespace {
const char *const kProjectLine =
    QT_TRANSLATE_NOOP("horalo", "Progetto:_______________________________  Data____/_____/_____ Note:");
} // namespace

std::string withUnit(const std::string &value, const char *unit)
{
    return ReadNumber(value) ? value + unit : value;
}

std::string projectLine(int noteUnderscores)
{
    return translated(kProjectLine) + std::string(static_cast<std::size_t>(noteUnderscores), '_');
}

bool PrintPage(const ReportPage &page, PageSink &sink)
{
    if (!sink.begin(page.fontPt)) {
        sink.cancel();
        return false;
    }
    for (const ReportItem &item : page.items) {
        if (!sink.printLine(item.xMm, item.yMm, item.text)) {
            sink.cancel();
            return false;
        }
    }
    if (!sink.end()) {
        sink.cancel();
        return false;
    }
    return true;
}

} // namespace sheet
