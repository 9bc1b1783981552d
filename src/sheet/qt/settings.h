#pragma once

#include <QSettings>
#include <QString>

namespace sheet {

// The program's settings between runs (organisation "Horalo", application "horalo"): window
// places and sizes, the chosen printer, the last folder, the recent files.
QSettings programSettings();

// The folder file dialogs start in: the last one used, else the Documents folder, else home.
QString startFolder();
// Remembers the folder of a file just opened or written (or the folder itself).
void rememberFolder(const QString &fileOrFolder);

// A file name made from a title (a place's name): letters, digits, '-' and '_' only, other
// marks turned into one '_'; the fallback when nothing is left.
QString SafeFileStem(const QString &title, const QString &fallback);

// A path to propose in a save dialog: that stem with the suffix in the folder dialogs start in.
QString ProposedSavePath(const QString &title, const QString &fallback, const QString &suffix);

} // namespace sheet
