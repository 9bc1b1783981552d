#include "shell/language.h"

#include "sheet/numbers.h"
#include "sheet/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace shell {

namespace {

// The program's English catalogues, compiled into it: the 2002 windows, and the designer's.
const char *const kProgramCatalogues[] = {":/i18n/horalo_en.qm", ":/i18n/quadrante_en.qm"};

std::string translateFromCatalogue(const char *italian)
{
    return QCoreApplication::translate("horalo", italian).toStdString();
}

} // namespace

std::optional<Language> languageNamed(const QString &name)
{
    if (name == QLatin1String("it"))
        return Language::Italian;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language systemLanguage()
{
    return QLocale::system().language() == QLocale::English ? Language::English : Language::Italian;
}

bool installQtCatalogue(const QString &language)
{
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    // qt_it loads qtbase_it and the other modules' catalogues it names.
    if (!catalogue->load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

bool installLanguage(Language language)
{
    if (language == Language::Italian) {
        sheet::setDecimalSeparator(',');
        sheet::setTextTranslator(nullptr);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        return installQtCatalogue(QStringLiteral("it"));
    }
    sheet::setDecimalSeparator('.');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    for (const char *path : kProgramCatalogues) {
        auto *catalogue = new QTranslator(QCoreApplication::instance());
        if (!catalogue->load(QString::fromLatin1(path))) {
            delete catalogue;
            return false;
        }
        // A catalogue with nothing in it yet is no fault, but Qt refuses to install it.
        if (catalogue->isEmpty()) {
            delete catalogue;
            continue;
        }
        if (!QCoreApplication::installTranslator(catalogue)) {
            delete catalogue;
            return false;
        }
    }
    sheet::setTextTranslator(translateFromCatalogue);
    // Qt's own dialogs speak English without a catalogue; load it when Debian has one.
    installQtCatalogue(QStringLiteral("en"));
    return true;
}

} // namespace shell
