#pragma once

#include <QStringList>
#include <QWidget>

namespace shell {

// A small window of fixed texts, one label each, top to bottom: the warnings the sheets show
// and the note windows. Nothing in it can be clicked; the user closes it with its close box, or
// with Esc or Enter, since it takes the keyboard focus whenever it is shown.
QWidget *makeTextWindow(const QString &title, const QStringList &labels, int width,
                        bool withPicture = false);

// The warnings. A sheet shows them by name when it refuses to compute.
inline constexpr const char *kWarningMissing = "errore";
inline constexpr const char *kWarningNegative = "errore2";
inline constexpr const char *kWarningRange = "errore3";
inline constexpr const char *kWarningDate = "errore4";
inline constexpr const char *kWarningLatitude = "erroreLatitudine";
inline constexpr const char *kWarningSunDeclination = "erroreDeclinazione";
inline constexpr const char *kWarningStyle = "erroreStilo";

} // namespace shell
