#include "shell/registry.h"

#include "shell/drawings.h"
#include "shell/drawingwindow.h"
#include "shell/menus.h"
#include "shell/textwindows.h"

namespace shell {

namespace {

const QString kStyleTitle = QStringLiteral("ERRORE!!");
const QString kStyleText = QStringLiteral("Lo stilo deve essere al massimo 10000 mm.");

} // namespace

void registerShellWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("Meridiane"), makeMainMenu);
    registry.add(QStringLiteral("MenuOrz"), makeHorizontalMenu);
    registry.add(QStringLiteral("MenuVert"), makeVerticalMenu);

    // The warnings keep their odd spellings and trailing blanks: they are the program's words.
    registry.add(QString::fromLatin1(kWarningMissing), [] {
        return makeTextWindow(QStringLiteral("Errore"),
                              {QStringLiteral("Attenzionenon è stato imesso qualche "),
                               QStringLiteral("valore indispensabile!!!")}, 320);
    });
    registry.add(QString::fromLatin1(kWarningNegative), [] {
        return makeTextWindow(QStringLiteral("ERRORE!!"),
                              {QStringLiteral("I valori imessi devono  avere "), QStringLiteral("valore positivo.")},
                              300);
    });
    registry.add(QString::fromLatin1(kWarningRange), [] {
        return makeTextWindow(QStringLiteral("ERRORE!!"),
                              {QStringLiteral("Latitudine e declinazione devono essere "),
                               QStringLiteral("minori di 90°.")}, 330);
    });

    registry.add(QString::fromLatin1(kWarningLatitude), [] {
        return makeTextWindow(QStringLiteral("ERRORE!!"),
                              {QStringLiteral("La latitudine deve essere compresa tra -90° e 90°.")}, 330);
    });
    registry.add(QString::fromLatin1(kWarningSunDeclination), [] {
        return makeTextWindow(QStringLiteral("ERRORE!!"),
                              {QStringLiteral("Il Sole non va oltre 23,5° di declinazione:"),
                               QStringLiteral("le declinazioni dei segni e dell'anniversario devono essere comprese "
                                              "tra -23,5° e 23,5°.")},
                              360);
    });
    registry.add(QString::fromLatin1(kWarningStyle), [] {
        return makeTextWindow(kStyleTitle, {kStyleText}, 330);
    });

    registry.add(QString::fromLatin1(kWarningDate), [] {
        return makeTextWindow(QStringLiteral("Errore"), {QStringLiteral("Data non valida: usare gg/mm/aaaa")}, 300);
    });

    registry.add(QStringLiteral("Note"), [] {
        return makeTextWindow(
            QStringLiteral("Note"),
            {QStringLiteral("E' Possibile anche avere le coordinate cartesiane degli angoli orari invece del valore in gradi. "),
             QStringLiteral("Gran parte del programma è stato eseguito con i comandi copia/incolla e poi modificati. "
                            "I test sono stati effettuati a campionatura.Non si esclude quindi la possibilità di "
                            "errori.Se li trovate scrivetemi")},
            420, true);
    });
    registry.add(QStringLiteral("InfoDCL"), [] {
        return makeTextWindow(QStringLiteral("Info DCL"),
                              {QStringLiteral("Se la meridiana non è declinante, inserite come valore di declinazione "
                                              "0,0000001, oppure usate il menu ORIZZONTALI.")}, 380);
    });
    registry.add(QStringLiteral("Declinazione"), [] {
        return makeTextWindow(
            QStringLiteral("Declinazione"),
            {QStringLiteral("1) Se si desidera si possono variare i gradi di declinazione corrispondenti ai segni zodiacali (blu)"),
             QStringLiteral("2) Inserite il valore di declinazione corrispondente alla data di anniversario (Rosso)"),
             QStringLiteral("3) Se non si inserisce alcun valore nella casella anniversario i valori sono quelli dei giorni di equinozio")},
            440);
    });

    registry.add(QStringLiteral("DisGonOrz"), makeProtractorDrawing);
    registry.add(QStringLiteral("DisGonVrt"), makeDecliningDrawing);
    registry.add(QStringLiteral("DisCurveO"), makeHorizontalCurvesDrawing);
    registry.add(QStringLiteral("DisCurveV"), makeVerticalCurvesDrawing);
    registry.add(DrawingWindow::kName, makeDrawingWindow);
}

} // namespace shell
