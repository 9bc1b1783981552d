#include "designer/dialdocument.h"

namespace designer {

void DialDocument::setProject(const project::Project &project)
{
    if (project == project_)
        return;
    project_ = project;
    Q_EMIT changed();
}

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
