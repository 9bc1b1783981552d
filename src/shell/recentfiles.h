#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace shell {

// The project files last opened or saved, newest first, at most kRecentFiles of them, kept in
// the user's settings (organisation "Horalo", application "horalo", key "recentFiles") so that
// the main menu's "Recenti" lists them the next time the program starts.
inline constexpr int kRecentFiles = 8;

// Puts the file at the top of the list (once: the same file opened again moves up).
void addRecentFile(const QString &path);
QStringList recentFiles();

// How the main menu opens a project file in the designer: the program sets it when it registers
// the designer (the shell does not link the designer). Returns false with the reason in *error.
using ProjectOpener = std::function<bool(const QString &path, QString *error)>;
void setProjectOpener(ProjectOpener opener);

// Opens the file through the opener and, when it opened, puts it at the top of the recent files.
bool openProject(const QString &path, QString *error);

} // namespace shell
