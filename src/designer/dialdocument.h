#pragma once

#include "project/projectfile.h"

#include <QObject>
#include <QString>

class QUndoStack;

namespace designer {

// The dial the designer works on: the project's values as last accepted, the file they belong
// to and whether they differ from it. The form writes to it when its fields make a dial; the
// drawing, the table and the title follow its signals, so that whatever changes the document
// (the form, a file, the survey, a sheet, an undo) shows alike.
class DialDocument final : public QObject {
    Q_OBJECT
public:
    explicit DialDocument(QObject *parent = nullptr);

    const project::Project &project() const { return project_; }
    // Takes new values as one step the user can undo; changed() follows when they differ from
    // the document's.
    void setProject(const project::Project &project);
    // Every accepted change, the values before and after it: Annulla and Ripeti walk it.
    QUndoStack *history() const { return history_; }
    // Forgets the steps: another dial (a file opened, a new one) has no past here.
    void clearHistory();
    // Keeps the wall survey's readings (JSON text of an object) with the dial, as "rilievo";
    // false (nothing changed) when the text is not an object.
    bool setSurvey(const std::string &readingsJson);

    const QString &path() const { return path_; }
    void setPath(const QString &path);
    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // What an undo or redo step does: the values, without a step of its own.
    void restore(const project::Project &project);

Q_SIGNALS:
    void changed();
    // The file or the unsaved state changed: what the window's title shows.
    void stateChanged();

private:
    project::Project project_;
    QUndoStack *history_ = nullptr;
    QString path_;
    bool modified_ = false;
};

} // namespace designer
