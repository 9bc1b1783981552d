#pragma once

#include "sheet/translation.h"

#include <QCoreApplication>
#include <QString>

namespace sheet {

// A text the user reads, kept in the code in Italian and shown in the program's language.
// Declare it with the marker lupdate looks for:
//     const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali")};
// It turns into a QString where one is needed, translated at that moment (so a constant made
// before the catalogue was loaded still speaks the chosen language).
class UiText {
public:
    constexpr explicit UiText(const char *italian) : italian_(italian) {}
    operator QString() const { return text(); }
    QString text() const { return QCoreApplication::translate("horalo", italian_); }
    const char *italian() const { return italian_; }

private:
    const char *italian_;
};

inline QString operator+(const UiText &a, const QString &b) { return a.text() + b; }
inline QString operator+(const QString &a, const UiText &b) { return a + b.text(); }

} // namespace sheet
