#include "shell/recentfiles.h"

#include "sheet/qt/uitext.h"

#include <QFileInfo>
#include <QSettings>

namespace shell {

namespace {

const sheet::UiText kNoDesigner{QT_TRANSLATE_NOOP("horalo", "Il Quadrante non è disponibile in questa versione del programma.")};

QSettings settings()
{
    return QSettings(QStringLiteral("Horalo"), QStringLiteral("horalo"));
}

const QString kKey = QStringLiteral("recentFiles");

ProjectOpener &opener()
{
    static ProjectOpener theOpener;
    return theOpener;
}

} // namespace

void addRecentFile(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QSettings store(settings());
    QStringList files = store.value(kKey).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentFiles)
        files.removeLast();
    store.setValue(kKey, files);
}

QStringList recentFiles()
{
    QStringList files = settings().value(kKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentFiles);
}

void setProjectOpener(ProjectOpener theOpener)
{
    opener() = std::move(theOpener);
}

bool openProject(const QString &path, QString *error)
{
    if (!opener()) {
        if (error)
            *error = kNoDesigner;
        return false;
    }
    // A copy: the first opening may load the designer, which puts its own opener in place.
    const ProjectOpener open = opener();
    if (!open(path, error))
        return false;
    addRecentFile(path);
    return true;
}

} // namespace shell
