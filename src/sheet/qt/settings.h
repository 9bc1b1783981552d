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

} // namespace sheet
