#include "shell/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace shell {

bool installQtCatalogue(const QString &language)
{
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

} // namespace shell
