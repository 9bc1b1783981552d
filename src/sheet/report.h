#pragma once

#include "sheet/translation.h"

#include <functional>
#include <string>
#include <vector>

namespace sheet {

// One line of a printed report: its text starts at (xMm, yMm), measured from the top-left
// corner of the printable area of an A4 portrait page; y is the top of the line's text.
struct ReportItem {
    double xMm = 0;
    double yMm = 0;
    std::string text;
    bool operator==(const ReportItem &) const = default;
};

// A whole one-page report: every line at its place, all in one font size, bold off.
struct ReportPage {
    int fontPt = 12;
    std::vector<ReportItem> items;

    void add(double xMm, double yMm, std::string text) { items.push_back({xMm, yMm, std::move(text)}); }
};

// What a report reads from its sheet: the current text of the field with the given name.
using FieldText = std::function<std::string(const std::string &name)>;

// The credit line at the foot of every report: the program names itself, nobody else.
// Marked for translation: a page asks for it through translated().
inline constexpr const char *kCreditLine =
    QT_TRANSLATE_NOOP("horalo", "Horalo 2002 - programma per la costruzione di orologi solari");

// Units written after a value on a page, so that no number reaches the wall without its unit.
inline constexpr const char *kDegreeUnit = "°";
inline constexpr const char *kMillimetreUnit = " mm";

// The field's text followed by the unit when it reads as a number; a dash or an empty text
// stays as it is (a dash has no unit).
std::string withUnit(const std::string &value, const char *unit);

// The line left for the maker to fill in by hand, ending in the given number of underscores
// after "Note:".
std::string projectLine(int noteUnderscores);

// Where a page is sent. A printer implements it; so can a test that only records lines.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual bool begin(int fontPt) = 0;
    virtual bool printLine(double xMm, double yMm, const std::string &text) = 0;
    virtual bool end() = 0;
    virtual void cancel() = 0;
};

// Sends the page line by line, in its order. On any refusal the document is cancelled and
// false is returned; nothing half-printed is ever sent as if complete.
bool PrintPage(const ReportPage &page, PageSink &sink);

} // namespace sheet
