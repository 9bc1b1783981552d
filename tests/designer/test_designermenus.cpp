#include "designer/quadrante.h"
#include "drawing/qt/drawingcanvas.h"
#include "project/projectfile.h"

#include <QAction>
#include "drawing/qt/drawingprint.h"
#include "sheet/qt/printjob.h"

#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

#include <cmath>

// The designer as a desktop program: its menus and tool bar, the keys that reach them or the
// drawing, and Annulla / Ripeti over every accepted change.
class TestDesignerMenus : public QObject {
    Q_OBJECT

    static constexpr double kDegTol = 1e-9;

    static QAction *action(QWidget &w, const QString &name) { return w.findChild<QAction *>(name); }

    static void showActive(QWidget &w)
    {
        w.resize(1366, 768);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    // Types a value into a field as a user does, then lets the pause after typing pass.
    static void typeInto(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void menusAndKeys_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("onToolBar");
        QTest::newRow("new") << "MenuFile" << "azioneNuovo" << "Nuovo" << "Ctrl+N" << true;
        QTest::newRow("open") << "MenuFile" << "azioneApri" << "Apri…" << "Ctrl+O" << true;
        QTest::newRow("save") << "MenuFile" << "azioneSalva" << "Salva" << "Ctrl+S" << true;
        QTest::newRow("save as") << "MenuFile" << "azioneSalvaConNome" << "Salva con nome…" << "Ctrl+Shift+S" << false;
        QTest::newRow("export") << "MenuFile" << "azioneEsporta" << "Esporta…" << "Ctrl+E" << true;
        // Ctrl+W belongs to every window of the program (the window registry's key): named only.
        QTest::newRow("close") << "MenuFile" << "azioneChiudi" << "Chiudi\tCtrl+W" << "" << false;
        QTest::newRow("undo") << "MenuModifica" << "azioneAnnulla" << "Annulla" << "Ctrl+Z" << true;
        QTest::newRow("redo") << "MenuModifica" << "azioneRipeti" << "Ripeti" << "Ctrl+Shift+Z" << true;
        QTest::newRow("fit") << "MenuVista" << "azioneAdatta" << "Adatta" << "Ctrl+0" << true;
        QTest::newRow("zoom in, with or without Shift") << "MenuVista" << "azioneIngrandisci" << "Ingrandisci"
                                                        << "Ctrl++|Ctrl+=" << true;
        QTest::newRow("zoom out") << "MenuVista" << "azioneRiduci" << "Riduci" << "Ctrl+-" << true;
    }
    void menusAndKeys()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QFETCH(bool, onToolBar);
        designer::Quadrante w;
        QVERIFY(w.layout()->menuBar());
        auto *m = w.findChild<QMenu *>(menu);
        QVERIFY(m);
        QAction *a = action(w, name);
        QVERIFY(a);
        QVERIFY(m->actions().contains(a));
        QCOMPARE(a->text(), text);
        for (const QString &key : keys.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            QVERIFY2(a->shortcuts().contains(QKeySequence(key, QKeySequence::PortableText)), qPrintable(key));
        auto *bar = w.findChild<QToolBar *>(QStringLiteral("BarraStrumenti"));
        QVERIFY(bar);
        QCOMPARE(bar->actions().contains(a), onToolBar);
    }

    // The tool bar stands above the drawing, outside the scrolled form: in view whatever the
    // form's scroll.
    void toolBarIsInViewAboveTheDrawing()
    {
        designer::Quadrante w;
        showActive(w);
        auto *bar = w.findChild<QToolBar *>(QStringLiteral("BarraStrumenti"));
        auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
        QVERIFY(bar->isVisible());
        QVERIFY(!bar->parentWidget()->inherits("QScrollArea"));
        for (QWidget *p = bar; p; p = p->parentWidget())
            QVERIFY(!p->inherits("QAbstractScrollArea"));
        QVERIFY(bar->mapTo(&w, QPoint(0, bar->height())).y() <= canvas->mapTo(&w, QPoint(0, 0)).y());
    }

    // Digits and signs typed in a field are the field's: the drawing keeps its scale. The
    // same keys with Ctrl zoom wherever the focus is; bare, they zoom only the focused drawing.
    void keysInAFieldDoNotZoom()
    {
        designer::Quadrante w;
        showActive(w);
        auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
        auto *width = w.findChild<QLineEdit *>(QStringLiteral("larghezza_mm"));
        canvas->fitToView();
        const double fitted = canvas->zoom();
        typeInto(width, QStringLiteral("1000"));
        for (Qt::Key key : {Qt::Key_0, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Equal})
            QTest::keyClick(width, key);
        QCOMPARE(width->text(), QStringLiteral("10000+-="));
        QCOMPARE(canvas->zoom(), fitted);
        QTest::keyClick(width, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE_LE(std::abs(canvas->zoom() - fitted * 1.25), 1e-9 * fitted);
        QTest::keyClick(width, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE_LE(std::abs(canvas->zoom() - fitted), 1e-9 * fitted);
        QTest::keyClick(width, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE_LE(std::abs(canvas->zoom() - fitted * 0.8), 1e-9 * fitted);
        canvas->setFocus();
        QTest::keyClick(canvas, Qt::Key_0);
        QCOMPARE_LE(std::abs(canvas->zoom() - fitted), 1e-9 * fitted);
        QTest::keyClick(canvas, Qt::Key_Plus);
        QCOMPARE_LE(std::abs(canvas->zoom() - fitted * 1.25), 1e-9 * fitted);
    }

    // A project without a file asks where to save it.
    void ctrlSAsksWhereWithoutAFile()
    {
        designer::Quadrante w;
        showActive(w);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                asked = dialog->acceptMode() == QFileDialog::AcceptSave;
                dialog->reject();
            }
        });
        auto *lat = w.findChild<QLineEdit *>(QStringLiteral("latitudine"));
        lat->setFocus();
        QTest::keyClick(lat, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(asked);
    }

    // Ctrl+Z from the very field typed in brings back the old latitude and the dial of the old
    // plane; Ctrl+Shift+Z the new one again. Each step enables only what can be done.
    void undoAndRedoALatitude()
    {
        designer::Quadrante w;
        showActive(w);
        QAction *undo = action(w, QStringLiteral("azioneAnnulla"));
        QAction *redo = action(w, QStringLiteral("azioneRipeti"));
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        auto *lat = w.findChild<QLineEdit *>(QStringLiteral("latitudine"));
        const QString oldText = lat->text();
        const double oldLatitude = w.dial().lines.plane.input.latitudeDeg;
        typeInto(lat, QStringLiteral("38,5"));
        w.redrawNow();
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.latitudeDeg - 38.5), kDegTol);
        QVERIFY(undo->isEnabled());
        QTest::keyClick(lat, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(lat->text(), oldText);
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.latitudeDeg - oldLatitude), kDegTol);
        QCOMPARE_LE(std::abs(w.project().latitudeDeg - oldLatitude), kDegTol);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        QVERIFY(w.isModified());
        QTest::keyClick(lat, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(lat->text(), QStringLiteral("38,5"));
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.latitudeDeg - 38.5), kDegTol);
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
    }

    // Typed and not yet redrawn, a value is still a step: Ctrl+Z takes it back at once.
    void undoTakesWhatIsStillWaiting()
    {
        designer::Quadrante w;
        showActive(w);
        auto *decl = w.findChild<QLineEdit *>(QStringLiteral("declinazione"));
        typeInto(decl, QStringLiteral("25"));
        QTest::keyClick(decl, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(decl->text(), QStringLiteral("0"));
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.declinationDeg), kDegTol);
    }

    // The survey's plane with its readings is one step; a sheet's dial is one step; a new
    // project has no past.
    void surveyAndSheetAreOneStepEach()
    {
        designer::Quadrante w;
        showActive(w);
        QUndoStack *history = w.document()->history();
        shell::WallSurveyResult survey;
        survey.declinationDeg = -32.5;
        survey.inclinationDeg = 4;
        QCOMPARE(w.applySurvey(survey), QString());
        QCOMPARE(history->count(), 1);
        shell::SheetDialInputs sheetDial;
        sheetDial.latitudeDeg = 41.9;
        sheetDial.declinationDeg = 12;
        sheetDial.inclinationDeg = 0;
        sheetDial.styleMm = 150;
        w.document()->setModified(false); // as after a save: no question before the sheet's dial
        w.takeSheetInputs(sheetDial);
        QCOMPARE(history->count(), 2);
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.declinationDeg - 12), kDegTol);
        history->undo();
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.declinationDeg + 32.5), kDegTol);
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.inclinationDeg - 4), kDegTol);
        QVERIFY(!w.project().keptJson.empty());
        history->undo();
        QCOMPARE_LE(std::abs(w.dial().lines.plane.input.declinationDeg), kDegTol);
        QVERIFY(w.project().keptJson.empty());
        w.document()->setModified(false);
        action(w, QStringLiteral("azioneNuovo"))->trigger();
        QCOMPARE(history->count(), 0);
    }

    // Switching "Misura data" gives the same gnomon's other measure on the dial's plane: the
    // style length L with h = L sin e, e the style's angle with the plane, found here from the
    // plane's normal and the Earth's axis. Back again gives the nodus height it came from.
    void nodusHeightToStyleLength_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("inclination");
        QTest::newRow("south wall at 45.4642") << "45,4642" << "0" << 1 << "0";
        QTest::newRow("wall declining 30 West, leaning back 20") << "45,4642" << "30" << 1 << "20";
        QTest::newRow("wall declining 65 East at 38") << "38" << "65" << 0 << "0";
        QTest::newRow("horizontal dial at 41.9") << "41,9" << "0" << 1 << "90";
    }
    void nodusHeightToStyleLength()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(int, side);
        QFETCH(QString, inclination);
        constexpr double kHundredth = 0.005; // the converted measure is shown to 0.01 mm
        const double h = 100;
        designer::Quadrante w;
        auto *kind = w.findChild<QComboBox *>(QStringLiteral("gnomone"));
        w.findChild<QLineEdit *>(QStringLiteral("latitudine"))->setText(latitude);
        w.findChild<QLineEdit *>(QStringLiteral("declinazione"))->setText(declination);
        w.findChild<QComboBox *>(QStringLiteral("lato"))->setCurrentIndex(side);
        w.findChild<QLineEdit *>(QStringLiteral("inclinazione"))->setText(inclination);
        w.redrawNow();
        const double deg = M_PI / 180;
        const double phi = QLocale(QLocale::Italian).toDouble(latitude) * deg;
        const double d = (side == 0 ? -1 : 1) * declination.toDouble() * deg;
        const double i = inclination.toDouble() * deg;
        // Normal: the facing direction (South turned West by d) raised by i; axis: North, up by phi.
        const double n[3] = {-std::sin(d) * std::cos(i), -std::cos(d) * std::cos(i), std::sin(i)};
        const double pole[3] = {0, std::cos(phi), std::sin(phi)};
        const double sinE = std::abs(n[0] * pole[0] + n[1] * pole[1] + n[2] * pole[2]);
        kind->setCurrentIndex(1);
        w.redrawNow();
        auto *style = w.findChild<QLineEdit *>(QStringLiteral("stilo_mm"));
        const double shown = QLocale(QLocale::Italian).toDouble(style->text());
        QCOMPARE_LE(std::abs(shown - h / sinE), kHundredth);
        QVERIFY(w.project().styleLengthGiven);
        QCOMPARE_LE(std::abs(w.dial().lines.plane.nodusHeightMm - h), kHundredth);
        kind->setCurrentIndex(0);
        w.redrawNow();
        QCOMPARE_LE(std::abs(QLocale(QLocale::Italian).toDouble(w.findChild<QLineEdit *>(QStringLiteral("altezza_mm"))->text()) - h),
                    kHundredth);
        QCOMPARE_LE(std::abs(w.dial().lines.plane.nodusHeightMm - h), kHundredth);
    }

    // The converted measure is rounded as every number the program writes, half away from zero
    // on the value's own digits: a style of 0,29 mm on a horizontal dial at latitude 30 has a
    // nodus 0,29 sin 30° = 0,145 mm high, which shows as 0,15 (its binary neighbour just under
    // 0,145 must not make it 0,14).
    void convertedMeasureRoundsHalfAwayFromZero()
    {
        designer::Quadrante w;
        project::Project p;
        p.latitudeDeg = 30;
        p.declinationDeg = 0;
        p.inclinationDeg = 90;
        p.styleLengthGiven = true;
        p.gnomonMm = 0.29;
        p.plateWidthMm = 50;
        p.plateHeightMm = 50;
        p.footFromLeftMm = 25;
        p.footFromTopMm = 25;
        w.setProject(p, QString());
        w.redrawNow();
        QVERIFY2(w.dial().ok, qPrintable(w.dial().message));
        w.findChild<QComboBox *>(QStringLiteral("gnomone"))->setCurrentIndex(0);
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("altezza_mm"))->text(), QStringLiteral("0,15"));
    }

    // A wall facing due West holds the Earth's axis: its style never meets it, so there is no
    // style length to give. The choice goes back and says why; the dial stays as it was.
    void polarDialHasNoStyleLength()
    {
        designer::Quadrante w;
        auto *kind = w.findChild<QComboBox *>(QStringLiteral("gnomone"));
        w.findChild<QLineEdit *>(QStringLiteral("declinazione"))->setText(QStringLiteral("90"));
        w.redrawNow();
        QVERIFY(w.dial().ok);
        QVERIFY(!w.dial().lines.plane.hasCentre);
        const project::Project before = w.project();
        kind->setCurrentIndex(1);
        QCOMPARE(kind->currentIndex(), 0);
        QVERIFY(!w.project().styleLengthGiven);
        QVERIFY(w.project() == before);
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("altezza_mm_errore"))->text(),
                 QStringLiteral("Quadrante polare: lo stilo è parallelo al piano e non ha un centro del quadrante O, "
                                "quindi non ha una lunghezza. Resta data l'altezza del nodo."));
    }

    // A new plate or foot is shown whole, as after Adatta, until the user zooms or moves the
    // drawing; then the view stays theirs until the next Adatta. Other values keep the view.
    void newPlateIsFittedUnlessTheUserChoseAView()
    {
        designer::Quadrante w;
        showActive(w);
        auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
        auto set = [&](const char *name, const char *text) {
            w.findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
            w.redrawNow();
        };
        QTRY_VERIFY(canvas->fitted());
        const double fitted1000 = canvas->zoom();
        set("larghezza_mm", "2000");
        QVERIFY(canvas->fitted());
        QVERIFY(canvas->zoom() < fitted1000);
        const double fitted2000 = canvas->zoom();
        set("latitudine", "40");
        QCOMPARE_LE(std::abs(canvas->zoom() - fitted2000), 1e-9 * fitted2000);
        set("piede_da_alto_mm", "100");
        QVERIFY(canvas->fitted());
        action(w, QStringLiteral("azioneIngrandisci"))->trigger();
        const double chosen = canvas->zoom();
        set("larghezza_mm", "1000");
        QVERIFY(!canvas->fitted());
        QCOMPARE_LE(std::abs(canvas->zoom() - chosen), 1e-9 * chosen);
        action(w, QStringLiteral("azioneAdatta"))->trigger();
        set("larghezza_mm", "3000");
        QVERIFY(canvas->fitted());
    }

    // File ▸ Recenti lists the projects opened, newest first, eight at most, only those still
    // there, under the key the main window reads too; choosing one opens it.
    void recentProjects()
    {
        QSettings settings(QStringLiteral("Horalo"), QStringLiteral("horalo"));
        settings.remove(QStringLiteral("recentFiles"));
        QTemporaryDir dir;
        QStringList written;
        for (int i = 0; i < 10; ++i) {
            project::Project p;
            p.latitudeDeg = 40 + i;
            const QString path = dir.filePath(QStringLiteral("p%1.horalo").arg(i));
            std::string error;
            QVERIFY(project::SaveProject(path.toStdString(), p, &error));
            written << path;
        }
        designer::Quadrante w;
        QString why;
        for (const QString &path : written)
            QVERIFY(w.openFile(path, &why));
        QVERIFY(QFile::remove(written[8]));
        auto *menu = w.findChild<QMenu *>(QStringLiteral("MenuRecenti"));
        QVERIFY(menu);
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QStringList shown;
        for (QAction *a : menu->actions())
            shown << a->data().toString();
        QCOMPARE(shown, (QStringList{written[9], written[7], written[6], written[5], written[4], written[3], written[2]}));
        QCOMPARE(settings.value(QStringLiteral("recentFiles")).toStringList().first(), written[9]);
        menu->actions().last()->trigger();
        QCOMPARE(w.document()->path(), written[2]);
        QCOMPARE_LE(std::abs(w.project().latitudeDeg - 42), kDegTol);
        QCOMPARE(settings.value(QStringLiteral("recentFiles")).toStringList().first(), written[2]);
    }

    // Anteprima di stampa shows the dial reduced to one sheet: one page, in the program's
    // preview; nothing is printed when the user closes it.
    void previewOfTheOnePagePrint()
    {
        designer::Quadrante w;
        showActive(w);
        int pages = 0;
        QString name;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            name = dialog->objectName();
            if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
                pages = view->pageCount();
            dialog->reject();
        });
        action(w, QStringLiteral("azioneAnteprima"))->trigger();
        QCOMPARE(name, sheet::kPreviewName);
        QCOMPARE(pages, 1);
    }

    // Ctrl+P prints the drawing at 1:1 on tiles: the question with the number of sheets comes
    // first (answered no here), or, with no printer at all, the failure is told.
    void ctrlPPrintsTiles()
    {
        struct Dialogs : drawing::TilePrintDialogs {
            QString asked;
            bool confirm(QWidget *, const QString &question) override
            {
                asked = question;
                return false;
            }
            void refuse(QWidget *, const QString &message) override { asked = message; }
        } dialogs;
        struct Notifier : sheet::PrintNotifier {
            int failed = 0;
            void printSent(QWidget *) override {}
            void printFailed(QWidget *) override { ++failed; }
        } notifier;
        drawing::TilePrintDialogs *previousDialogs = drawing::setTilePrintDialogs(&dialogs);
        sheet::PrintNotifier *previousNotifier = sheet::setPrintNotifier(&notifier);
        designer::Quadrante w;
        showActive(w);
        QTest::keyClick(w.findChild<QLineEdit *>(QStringLiteral("latitudine")), Qt::Key_P, Qt::ControlModifier);
        drawing::setTilePrintDialogs(previousDialogs);
        sheet::setPrintNotifier(previousNotifier);
        if (dialogs.asked.isEmpty())
            QCOMPARE(notifier.failed, 1);
        else
            QVERIFY2(dialogs.asked.startsWith(QStringLiteral("Il disegno richiede")), qPrintable(dialogs.asked));
    }
};

QTEST_MAIN(TestDesignerMenus)
#include "test_designermenus.moc"
