#include "sheet/qt/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sheet {

namespace {

const QString kFolderKey = QStringLiteral("cartelle/ultima");

} // namespace

QSettings programSettings()
{
    return QSettings(QStringLiteral("Horalo"), QStringLiteral("horalo"));
}

QString startFolder()
{
    const QString last = programSettings().value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberFolder(const QString &fileOrFolder)
{
    if (fileOrFolder.isEmpty())
        return;
    const QFileInfo info(fileOrFolder);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (QFileInfo(folder).isDir())
        programSettings().setValue(kFolderKey, folder);
}

} // namespace sheet
