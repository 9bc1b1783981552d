#pragma once

#include <QString>

class QWidget;

namespace drawing {

// What the drawing window asks the user while it writes a file: where to save it, and, when
// writing failed, to be told so. The program shows the standard save dialog and a message
// box; tests put their own answers in its place.
class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString chooseSavePath(QWidget *parent, const QString &suggestedPath, const QString &filter) = 0;
    // Writing path failed for the reason given in words.
    virtual void exportFailed(QWidget *parent, const QString &path, const QString &reason) = 0;
};

// Replaces the dialogs (nullptr restores the standard ones). Returns the previous ones.
ExportDialogs *setExportDialogs(ExportDialogs *dialogs);
ExportDialogs &exportDialogs();

} // namespace drawing
