// "Apri nel Quadrante" in the full-scale drawing of a sheet opens the designer on that sheet's
// dial: the latitude, the plane (declination signed by the side, a horizontal dial at
// inclination 90) and the style's length, apparent hours and the solstices and equinoxes, the
// zodiac entries too from the zodiac sheet.
#include "sheettesting.h"

#include "designer/quadrante.h"
#include "horizontal/horizontalwindows.h"
#include "shell/drawingwindow.h"
#include "shell/registry.h"
#include "shell/textwindows.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QMessageBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QStandardPaths>
#include <QtTest>

class TestOpenDesigner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        shell::registerShellWindows(registry);
        horizontal::registerHorizontalWindows(registry);
        vertical::registerVerticalWindows(registry);
        designer::registerDesignerWindows(registry);
        survey::registerSurveyWindows(registry);
    }
    void cleanup()
    {
        // The designer takes the sheet's values as an unsaved change: let it close unasked.
        if (auto *q = qobject_cast<designer::Quadrante *>(shell::WindowRegistry::instance().open(QStringLiteral("Quadrante"))))
            q->setProject(project::Project{}, QString());
        closeAllWindows();
    }

    void carriesTheSheetOver_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("inclination");
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("zodiac");
        // The sheets' defaults: CurveVrt at 38,1217, ZodiacoVrt at 38,1167, on a wall declining 38 with a
        // style of 40,32; CurveOrizz a horizontal dial.
        QTest::newRow("vertical curves, West") << "CurveVrt" << "DisegnoOvest" << "38,1217" << "38" << "Ovest" << "0" << "40,32" << false;
        QTest::newRow("vertical curves, East") << "CurveVrt" << "DisegnoEst" << "38,1217" << "38" << "Est" << "0" << "40,32" << false;
        QTest::newRow("zodiac, West") << "ZodiacoVrt" << "DisegnoOvest" << "38,1167" << "38" << "Ovest" << "0" << "40,32" << true;
    }
    void carriesTheSheetOver()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, button);
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(QString, side);
        QFETCH(QString, inclination);
        QFETCH(QString, style);
        QFETCH(bool, zodiac);
        QWidget *window = shell::showWindow(sheet);
        QVERIFY2(window, qPrintable(sheet));
        press(window, button);
        auto *drawing = dynamic_cast<shell::DrawingWindow *>(shell::WindowRegistry::instance().open(QStringLiteral("Disegno")));
        QVERIFY2(drawing, "no Disegno window");
        auto *open = drawing->findChild<QPushButton *>(QStringLiteral("ApriNelQuadrante"));
        QVERIFY2(open, "no button ApriNelQuadrante");
        QCOMPARE(open->text(), QStringLiteral("Apri nel Quadrante"));
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        QWidget *designerWindow = shell::WindowRegistry::instance().open(QStringLiteral("Quadrante"));
        QVERIFY2(designerWindow, "the designer did not open");
        auto field = [&](const char *name) {
            auto *edit = designerWindow->findChild<QLineEdit *>(QString::fromLatin1(name));
            return edit ? edit->text() : QStringLiteral("(no field %1)").arg(QString::fromLatin1(name));
        };
        QCOMPARE(field("latitudine"), latitude);
        QCOMPARE(field("declinazione"), declination);
        QCOMPARE(designerWindow->findChild<QComboBox *>(QStringLiteral("lato"))->currentText(), side);
        QCOMPARE(field("inclinazione"), inclination);
        QCOMPARE(designerWindow->findChild<QComboBox *>(QStringLiteral("gnomone"))->currentIndex(), 1);
        QCOMPARE(field("stilo_mm"), style);
        auto checked = [&](const char *name) {
            auto *box = designerWindow->findChild<QCheckBox *>(QString::fromLatin1(name));
            return box && box->isChecked();
        };
        QVERIFY(checked("vere"));
        QVERIFY(checked("solstizi_equinozi"));
        QCOMPARE(checked("zodiaco"), zodiac);
        QVERIFY(!checked("italiche"));
        // The designer draws the dial it was given.
        auto *q = qobject_cast<designer::Quadrante *>(designerWindow);
        QVERIFY(q && q->dial().ok);
        QCOMPARE(q->project().styleLengthGiven, true);
        QCOMPARE(q->project().declinationDeg, side == QLatin1String("Est") ? -38.0 : 38.0);
    }

    // The zodiac sheet's anniversary taken from a day reaches the designer as that day's line,
    // for any year the sheet accepts (the designer takes the same years).
    void zodiacAnniversaryDayCarriedOver_data()
    {
        QTest::addColumn<QString>("day");
        QTest::newRow("2025") << "15/08/2025";
        QTest::newRow("1700, early in the range") << "01/06/1700";
        QTest::newRow("2400, last year of the range") << "21/12/2400";
    }
    void zodiacAnniversaryDayCarriedOver()
    {
        QFETCH(QString, day);
        QWidget *window = shell::showWindow(QStringLiteral("ZodiacoVrt"));
        QVERIFY(window);
        typeInto(window, QStringLiteral("dataan"), day);
        press(window, QStringLiteral("Declinazione"));
        QVERIFY(!shell::WindowRegistry::instance().open(QStringLiteral("errore4")));
        press(window, QStringLiteral("DisegnoOvest"));
        auto *drawing = dynamic_cast<shell::DrawingWindow *>(shell::WindowRegistry::instance().open(QStringLiteral("Disegno")));
        QVERIFY(drawing && drawing->sheetInputs());
        QCOMPARE(drawing->sheetInputs()->anniversaryDate, day);
        QTest::mouseClick(drawing->findChild<QPushButton *>(QStringLiteral("ApriNelQuadrante")), Qt::LeftButton);
        auto *q = qobject_cast<designer::Quadrante *>(shell::WindowRegistry::instance().open(QStringLiteral("Quadrante")));
        QVERIFY(q);
        QCOMPARE(q->findChild<QLineEdit *>(QStringLiteral("giorni"))->text(), day);
        QCOMPARE(q->project().days, std::vector<std::string>{day.toStdString()});
        // The designer drew it: no refusal stands under the dates or the year.
        QTRY_VERIFY(q->findChild<QLabel *>(QStringLiteral("giorni_errore"))->text().isEmpty());
        QVERIFY(q->findChild<QLabel *>(QStringLiteral("anno_errore"))->text().isEmpty());
        // A day written without its year goes with the year the sheet took: this one.
        q->setProject(project::Project{}, QString());
        typeInto(window, QStringLiteral("dataan"), QStringLiteral("1/8"));
        press(window, QStringLiteral("Declinazione"));
        press(window, QStringLiteral("DisegnoEst"));
        QCOMPARE(drawing->sheetInputs()->anniversaryDate, QStringLiteral("01/08/%1").arg(QDate::currentDate().year()));
    }

    // Work not yet saved is never replaced unasked: Cancel keeps it, and the file it was
    // opened from; Discard takes the sheet's dial as a new project, tied to no file.
    void asksBeforeReplacingUnsavedWork_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << int(QMessageBox::Cancel);
        QTest::newRow("discard") << int(QMessageBox::Discard);
    }
    void asksBeforeReplacingUnsavedWork()
    {
        QFETCH(int, answer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mio.horalo"));
        std::string error;
        QVERIFY(project::SaveProject(path.toStdString(), project::Project{}, &error));
        auto *q = qobject_cast<designer::Quadrante *>(shell::showWindow(QStringLiteral("Quadrante")));
        QVERIFY(q);
        QString why;
        QVERIFY(q->openFile(path, &why));
        QCOMPARE(q->windowTitle(), QStringLiteral("Progetto del quadrante \u2014 mio.horalo"));
        auto *latitude = q->findChild<QLineEdit *>(QStringLiteral("latitudine"));
        latitude->selectAll();
        QTest::keyClicks(latitude, QStringLiteral("12"));
        QVERIFY(q->isModified());
        QCOMPARE(q->windowTitle(), QStringLiteral("Progetto del quadrante \u2014 mio.horalo *"));

        QWidget *sheet = shell::showWindow(QStringLiteral("CurveOrizz"));
        press(sheet, QStringLiteral("Disegno"));
        auto *drawing = dynamic_cast<shell::DrawingWindow *>(shell::WindowRegistry::instance().open(QStringLiteral("Disegno")));
        QVERIFY(drawing);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            asked = box != nullptr;
            if (box)
                box->button(static_cast<QMessageBox::StandardButton>(answer))->click();
        });
        QTest::mouseClick(drawing->findChild<QPushButton *>(QStringLiteral("ApriNelQuadrante")), Qt::LeftButton);
        QVERIFY(asked);
        if (answer == QMessageBox::Cancel) {
            QCOMPARE(latitude->text(), QStringLiteral("12"));
            QVERIFY(q->isModified());
            QCOMPARE(q->windowTitle(), QStringLiteral("Progetto del quadrante \u2014 mio.horalo *"));
        } else {
            QCOMPARE(latitude->text(), textOf(sheet, QStringLiteral("Latx")));
            QCOMPARE(q->windowTitle(), QStringLiteral("Progetto del quadrante *"));
        }
        // The file on disk is as it was saved.
        QCOMPARE(project::LoadProject(path.toStdString()).project.latitudeDeg, project::Project{}.latitudeDeg);
    }

    void horizontalSheetIsInclinationNinety()
    {
        QWidget *window = shell::showWindow(QStringLiteral("CurveOrizz"));
        QVERIFY(window);
        const QString lat = textOf(window, QStringLiteral("Latx"));
        press(window, QStringLiteral("Disegno"));
        auto *drawing = dynamic_cast<shell::DrawingWindow *>(shell::WindowRegistry::instance().open(QStringLiteral("Disegno")));
        QVERIFY(drawing);
        QVERIFY(drawing->sheetInputs());
        QCOMPARE(drawing->sheetInputs()->inclinationDeg, 90.0);
        QCOMPARE(drawing->sheetInputs()->declinationDeg, 0.0);
        QTest::mouseClick(drawing->findChild<QPushButton *>(QStringLiteral("ApriNelQuadrante")), Qt::LeftButton);
        QWidget *designerWindow = shell::WindowRegistry::instance().open(QStringLiteral("Quadrante"));
        QVERIFY(designerWindow);
        QCOMPARE(designerWindow->findChild<QLineEdit *>(QStringLiteral("inclinazione"))->text(), QStringLiteral("90"));
        QCOMPARE(designerWindow->findChild<QLineEdit *>(QStringLiteral("declinazione"))->text(), QStringLiteral("0"));
    }

    // The wall survey's "Usa nel Quadrante" with a wall the designer cannot draw (overhanging
    // 84 degrees: the plumb line 10 m off over 1 m): the survey names what was refused and
    // the designer keeps its dial as it was.
    void surveyWithARefusedInclinationHandsOverNothing()
    {
        auto *designerWindow = qobject_cast<designer::Quadrante *>(shell::showWindow(QStringLiteral("Quadrante")));
        QVERIFY(designerWindow);
        designerWindow->setProject(project::Project{}, QString());
        const QMap<QString, QString> designerBefore = allTexts(designerWindow);
        QWidget *survey = shell::showWindow(QStringLiteral("Rilievo"));
        QVERIFY(survey);
        typeInto(survey, QStringLiteral("data1"), QStringLiteral("01/03/2024"));
        typeInto(survey, QStringLiteral("ora1"), QStringLiteral("11:00:00"));
        typeInto(survey, QStringLiteral("alfa1"), QStringLiteral("-12"));
        typeInto(survey, QStringLiteral("filo"), QStringLiteral("1000"));
        typeInto(survey, QStringLiteral("filoA"), QStringLiteral("0"));
        typeInto(survey, QStringLiteral("filoB"), QStringLiteral("10000"));
        press(survey, QStringLiteral("UsaNelQuadrante"));
        QCOMPARE(textOf(survey, QStringLiteral("incl")), QStringLiteral("-84,29"));
        QCOMPARE(survey->findChild<QLabel *>(QStringLiteral("messaggio"))->text(),
                 QStringLiteral("Nulla è stato passato al Quadrante. Inclinazione -84,29° non accettata. L'inclinazione va "
                                "da -80 (piano rivolto verso terra) a 90 (orizzontale)."));
        QCOMPARE(allTexts(designerWindow), designerBefore);
        QVERIFY(!designerWindow->isModified());
        QCOMPARE(project::ExtraObject(designerWindow->project(), "rilievo"), std::string());

        // A wall the designer draws is handed over and said so.
        typeInto(survey, QStringLiteral("filoB"), QStringLiteral("10"));
        press(survey, QStringLiteral("UsaNelQuadrante"));
        QVERIFY2(survey->findChild<QLabel *>(QStringLiteral("messaggio"))->text().endsWith(QStringLiteral("passate al Quadrante.")),
                 qPrintable(survey->findChild<QLabel *>(QStringLiteral("messaggio"))->text()));
        // atan(-10 / 1000) = -0,5729387 degrees.
        const double tolDeg = 1e-9;
        QCOMPARE_LE(std::abs(designerWindow->project().inclinationDeg - std::atan(-0.01) * 180 / M_PI), tolDeg);
        QVERIFY(designerWindow->isModified());
        // The readings as typed go with the dial, to be saved in its project file.
        const QJsonObject kept =
            QJsonDocument::fromJson(QByteArray::fromStdString(project::ExtraObject(designerWindow->project(), "rilievo"))).object();
        const QJsonArray rows = kept.value(QStringLiteral("osservazioni")).toArray();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toObject().value(QStringLiteral("alfa")).toString(), QStringLiteral("-12"));
        QCOMPARE(kept.value(QStringLiteral("filo")).toObject().value(QStringLiteral("b")).toString(), QStringLiteral("10"));
    }

    // A survey opened beside the designer starts from the place the designer's fields hold,
    // as typed there, even before the dial is redrawn.
    void surveyStartsFromTheDesignersPlace()
    {
        auto *designerWindow = qobject_cast<designer::Quadrante *>(shell::showWindow(QStringLiteral("Quadrante")));
        QVERIFY(designerWindow);
        designerWindow->setProject(project::Project{}, QString());
        typeInto(designerWindow, QStringLiteral("latitudine"), QStringLiteral("-33,87"));
        typeInto(designerWindow, QStringLiteral("longitudine"), QStringLiteral("151,21"));
        typeInto(designerWindow, QStringLiteral("fuso"), QStringLiteral("10"));
        designerWindow->findChild<QCheckBox *>(QStringLiteral("ora_legale"))->setChecked(true);
        QWidget *survey = shell::showWindow(QStringLiteral("Rilievo"));
        QVERIFY(survey);
        QCOMPARE(textOf(survey, QStringLiteral("Lat")), QStringLiteral("-33,87"));
        QCOMPARE(textOf(survey, QStringLiteral("Lon")), QStringLiteral("151,21"));
        QCOMPARE(textOf(survey, QStringLiteral("Fuso")), QStringLiteral("10"));
        QVERIFY(survey->findChild<QCheckBox *>(QStringLiteral("Legale"))->isChecked());
    }
};

QTEST_MAIN(TestOpenDesigner)
#include "test_opendesigner.moc"
