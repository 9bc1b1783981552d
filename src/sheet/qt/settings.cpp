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

QString SafeFileStem(const QString &title, const QString &fallback)
{
    QString stem;
    for (const QChar c : title.trimmed()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            stem += c;
        else if (!stem.endsWith(QLatin1Char('_')))
            stem += QLatin1Char('_');
    }
    while (stem.endsWith(QLatin1Char('_')))
        stem.chop(1);
    while (stem.startsWith(QLatin1Char('_')))
        stem.remove(0, 1);
    return stem.isEmpty() ? fallback : stem;
}

QString ProposedSavePath(const QString &title, const QString &fallback, const QString &suffix)
{
    return QDir(startFolder()).filePath(SafeFileStem(title, fallback) + QLatin1Char('.') + suffix);
}

} // namespace sheet
