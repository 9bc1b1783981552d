#include "shell/help.h"

#include "sheet/qt/uitext.h"
#include "shell/windownames.h"

#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace shell {

namespace {

const sheet::UiText kManualTitle{QT_TRANSLATE_NOOP("horalo", "Manuale")};
// The manual's page in the program's language: the English catalogue names the English page.
const sheet::UiText kManualPage{QT_TRANSLATE_NOOP("horalo", ":/help/manual_it.html")};
const sheet::UiText kAboutTitle{QT_TRANSLATE_NOOP("horalo", "Informazioni su Horalo")};
const sheet::UiText kAboutVersion{QT_TRANSLATE_NOOP("horalo", "Versione %1")};
const sheet::UiText kAboutWhat{QT_TRANSLATE_NOOP("horalo", 
    "Programma per la costruzione di orologi solari: i fogli di calcolo del 2002, il Quadrante "
    "che disegna il quadrante per ogni piano e il Rilievo della parete.")};
const sheet::UiText kAboutLicence{QT_TRANSLATE_NOOP("horalo", 
    "Licenza: GNU General Public License, versione 3 o successiva (GPL-3.0-or-later). "
    "Il programma è fornito senza alcuna garanzia.")};
const sheet::UiText kAboutCredits{QT_TRANSLATE_NOOP("horalo", 
    "Il Sole: teoria VSOP87 di P. Bretagnon e G. Francou nella forma ridotta di J. Meeus "
    "(Astronomical Algorithms), nutazione IAU 1980, tempo siderale IAU 1982; ΔT dai polinomi "
    "di F. Espenak e J. Meeus (2006).")};

// Windows that share a page: the sub-menus with the main menu, the West sheet with the East one,
// the example drawings with the drawing window.
QString pageName(const QString &windowName)
{
    if (windowName == QLatin1String(kHorizontalMenu) || windowName == QLatin1String(kVerticalMenu))
        return QString::fromLatin1(kMainMenu);
    if (windowName == QLatin1String(kWestDecliningSheet))
        return QString::fromLatin1(kEastDecliningSheet);
    for (const char *example : {kHorizontalHoursExample, kEastDecliningExample, kWestDecliningExample,
                                kHorizontalCurvesExample, kVerticalCurvesExample, kZodiacCurvesExample})
        if (windowName == QLatin1String(example))
            return QString::fromLatin1(kDrawingWindow);
    return windowName;
}

} // namespace

ManualWindow::ManualWindow(QWidget *parent) : QWidget(parent), browser_(new QTextBrowser(this))
{
    setWindowTitle(kManualTitle);
    browser_->setObjectName(QStringLiteral("testo"));
    browser_->setOpenExternalLinks(true);
    QFile page(kManualPage);
    if (!page.open(QIODevice::ReadOnly))
        page.setFileName(QStringLiteral(":/help/manual_it.html"));
    if (page.isOpen() || page.open(QIODevice::ReadOnly)) {
        // Pictures are found beside the page in the resources.
        browser_->setSearchPaths({QStringLiteral(":/help")});
        browser_->setHtml(QString::fromUtf8(page.readAll()));
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

QString ManualWindow::pageOf(const QString &windowName)
{
    const QString page = pageName(windowName);
    for (const char *known : {kMainMenu, kHorizontalHoursSheet, kHorizontalCurvesSheet, kEastDecliningSheet, kVerticalCurvesSheet,
                              kZodiacSheet, kDesignerWindow, kSurveyWindow, kDrawingWindow})
        if (page == QLatin1String(known))
            return page;
    return {};
}

void ManualWindow::showPage(const QString &windowName)
{
    const QString page = pageOf(windowName);
    if (page.isEmpty())
        browser_->verticalScrollBar()->setValue(0);
    else
        browser_->scrollToAnchor(page);
}

QWidget *makeAboutBox()
{
    auto *box = new QMessageBox;
    box->setWindowTitle(kAboutTitle);
    box->setWindowModality(Qt::NonModal);
    box->setIconPixmap(QIcon(QStringLiteral(":/help/horalo.svg")).pixmap(64, 64));
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<h2>Horalo</h2><p>%1</p><p>%2</p><p>%3</p><p>%4</p>")
                     .arg(kAboutVersion.text().arg(QStringLiteral(HORALO_VERSION)), kAboutWhat.text().toHtmlEscaped(),
                          kAboutLicence.text().toHtmlEscaped(), kAboutCredits.text().toHtmlEscaped()));
    box->setStandardButtons(QMessageBox::Ok);
    return box;
}

} // namespace shell
