#include "shell/registry.h"

#include "sheet/qt/uitext.h"

#include "shell/drawings.h"
#include "shell/drawingwindow.h"
#include "shell/textwindows.h"

#include <QCoreApplication>

namespace shell {

namespace {

const sheet::UiText kStyleTitle{QT_TRANSLATE_NOOP("horalo", "ERRORE!!")};
const sheet::UiText kStyleText{QT_TRANSLATE_NOOP("horalo", "Lo stilo deve essere al massimo 10000 mm.")};

} // namespace

void registerShellWindows(WindowRegistry &registry)
{
    registerMenuWindows(registry);
    registerNotesAndDrawings(registry);
}

void registerNotesAndDrawings(WindowRegistry &registry)
{
    // The warnings keep their odd spellings and trailing blanks: they are the program's words.
    registry.add(kWarningMissing, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "Errore"),
                              {QCoreApplication::translate("horalo", "Attenzionenon è stato imesso qualche "),
                               QCoreApplication::translate("horalo", "valore indispensabile!!!")}, 320);
    });
    registry.add(kWarningNegative, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "ERRORE!!"),
                              {QCoreApplication::translate("horalo", "I valori imessi devono  avere "), QCoreApplication::translate("horalo", "valore positivo.")},
                              300);
    });
    registry.add(kWarningRange, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "ERRORE!!"),
                              {QCoreApplication::translate("horalo", "Latitudine e declinazione devono essere "),
                               QCoreApplication::translate("horalo", "minori di 90°.")}, 330);
    });

    registry.add(kWarningLatitude, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "ERRORE!!"),
                              {QCoreApplication::translate("horalo", "La latitudine deve essere compresa tra -90° e 90°.")}, 330);
    });
    registry.add(kWarningSunDeclination, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "ERRORE!!"),
                              {QCoreApplication::translate("horalo", "Il Sole non va oltre 23,5° di declinazione:"),
                               QCoreApplication::translate("horalo", "le declinazioni dei segni e dell'anniversario devono essere comprese "
                                              "tra -23,5° e 23,5°.")},
                              360);
    });
    registry.add(kWarningStyle, [] {
        return makeTextWindow(kStyleTitle, {kStyleText}, 330);
    });

    registry.add(kWarningDate, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "Errore"), {QCoreApplication::translate("horalo", "Data non valida: usare gg/mm/aaaa, con l'anno tra 1600 e 2400")}, 300);
    });

    registry.add(kNotes, [] {
        return makeTextWindow(
            QCoreApplication::translate("horalo", "Note"),
            {QCoreApplication::translate("horalo", "E' Possibile anche avere le coordinate cartesiane degli angoli orari invece del valore in gradi. "),
             QCoreApplication::translate("horalo", "Gran parte del programma è stato eseguito con i comandi copia/incolla e poi modificati. "
                            "I test sono stati effettuati a campionatura.Non si esclude quindi la possibilità di "
                            "errori.Se li trovate scrivetemi")},
            420, true);
    });
    registry.add(kNonDecliningNote, [] {
        return makeTextWindow(QCoreApplication::translate("horalo", "Info DCL"),
                              {QCoreApplication::translate("horalo", "Se la meridiana non è declinante (parete rivolta esattamente a Sud), "
                                              "inserite come valore di declinazione 0, oppure usate il menu ORIZZONTALI.")}, 380);
    });
    registry.add(kSunDeclinationNote, [] {
        return makeTextWindow(
            QCoreApplication::translate("horalo", "Declinazione"),
            {QCoreApplication::translate("horalo", "1) Se si desidera si possono variare i gradi di declinazione corrispondenti ai segni zodiacali (blu)"),
             QCoreApplication::translate("horalo", "2) Inserite il valore di declinazione corrispondente alla data di anniversario (Rosso)"),
             QCoreApplication::translate("horalo", "3) Se non si inserisce alcun valore nella casella anniversario i valori sono quelli dei giorni di equinozio")},
            440);
    });

    registry.add(kHorizontalHoursExample, makeProtractorDrawing);
    registry.add(kEastDecliningExample, makeDecliningDrawing);
    registry.add(kWestDecliningExample, makeWestDecliningDrawing);
    registry.add(kHorizontalCurvesExample, makeHorizontalCurvesDrawing);
    registry.add(kVerticalCurvesExample, makeVerticalCurvesDrawing);
    registry.add(kZodiacCurvesExample, makeZodiacCurvesDrawing);
    registry.add(kDrawingWindow, makeDrawingWindow);
}

} // namespace shell
