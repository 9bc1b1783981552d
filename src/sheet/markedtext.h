#pragma once

#include "sheet/translation.h"

#include <string>

namespace sheet {

// A text the user reads, kept in Qt-free code in Italian and given in the program's language
// where it is used. Declare it with the marker lupdate looks for:
//     const sheet::MarkedText kEast{QT_TRANSLATE_NOOP("horalo", " Est")};
// It turns into a std::string where one is needed, translated at that moment.
class MarkedText {
public:
    constexpr explicit MarkedText(const char *italian) : italian_(italian) {}
    operator std::string() const { return text(); }
    std::string text() const { return translated(italian_); }
    const char *italian() const { return italian_; }

private:
    const char *italian_;
};

inline std::string operator+(const MarkedText &a, const std::string &b) { return a.text() + b; }
inline std::string operator+(const std::string &a, const MarkedText &b) { return a + b.text(); }
inline std::string operator+(const MarkedText &a, const char *b) { return a.text() + b; }
inline std::string operator+(const char *a, const MarkedText &b) { return a + b.text(); }

} // namespace sheet
