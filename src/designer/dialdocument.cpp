#include "designer/dialdocument.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace designer {

namespace {

// One accepted change: the whole project before and after it, small enough to keep whole.
class ProjectChange final : public QUndoCommand {
public:
    ProjectChange(DialDocument *document, project::Project before, project::Project after)
        : document_(document), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { document_->restore(before_); }
    void redo() override { document_->restore(after_); }

private:
    DialDocument *document_;
    project::Project before_;
    project::Project after_;
};

} // namespace

DialDocument::DialDocument(QObject *parent) : QObject(parent), history_(new QUndoStack(this)) {}

void DialDocument::setProject(const project::Project &project)
{
    if (project == project_)
        return;
    history_->push(new ProjectChange(this, project_, project));
}

void DialDocument::restore(const project::Project &project)
{
    if (project == project_)
        return;
    project_ = project;
    Q_EMIT changed();
}

void DialDocument::clearHistory() { history_->clear(); }

bool DialDocument::setSurvey(const std::string &readingsJson)
{
    project::Project p = project_;
    if (!project::SetExtraObject(p, "rilievo", readingsJson))
        return false;
    setProject(p);
    return true;
}

void DialDocument::setPath(const QString &path)
{
    if (path == path_)
        return;
    path_ = path;
    Q_EMIT stateChanged();
}

void DialDocument::setModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    Q_EMIT stateChanged();
}

} // namespace designer
