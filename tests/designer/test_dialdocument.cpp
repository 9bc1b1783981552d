// The designer's document: the values behind the form. Whatever sets it (a file, the survey, a
// sheet, later an undo) shows in the form and the drawing alike, and the form's edits land in it.

#include "designer/dialdocument.h"
#include "designer/quadrante.h"
#include "drawing/qt/drawingcanvas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestDialDocument : public QObject {
    Q_OBJECT

    static QString text(QWidget &w, const char *name)
    {
        auto *edit = w.findChild<QLineEdit *>(QString::fromLatin1(name));
        return edit ? edit->text() : QStringLiteral("<no field %1>").arg(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The signal says the values changed, and only then: setting the same values is silent.
    void changedOnlyOnADifference()
    {
        designer::DialDocument document;
        QSignalSpy changed(&document, &designer::DialDocument::changed);
        QSignalSpy state(&document, &designer::DialDocument::stateChanged);
        document.setProject(project::Project{});
        QCOMPARE(changed.size(), 0);
        project::Project p;
        p.latitudeDeg = -33.87;
        document.setProject(p);
        QCOMPARE(changed.size(), 1);
        document.setProject(p);
        QCOMPARE(changed.size(), 1);
        QVERIFY(document.setSurvey(R"({"osservazioni":[]})"));
        QCOMPARE(changed.size(), 2);
        QVERIFY(!document.setSurvey("[1, 2]"));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(project::ExtraObject(document.project(), "rilievo"), std::string(R"({"osservazioni":[]})"));
        document.setModified(true);
        document.setModified(true);
        document.setPath(QStringLiteral("/tmp/meridiana.horalo"));
        QCOMPARE(state.size(), 2);
    }

    // A document changed from outside the form: the fields, the side and the drawing follow.
    void formFollowsTheDocument_data()
    {
        QTest::addColumn<double>("declination");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("side");
        QTest::newRow("west 23") << 23.0 << QStringLiteral("23") << QStringLiteral("Ovest");
        QTest::newRow("east 41.5") << -41.5 << QStringLiteral("41,5") << QStringLiteral("Est");
    }
    void formFollowsTheDocument()
    {
        QFETCH(double, declination);
        QFETCH(QString, shown);
        QFETCH(QString, side);
        designer::Quadrante w;
        project::Project p = w.project();
        p.declinationDeg = declination;
        p.placeName = "Bologna";
        w.document()->setProject(p);
        QCOMPARE(text(w, "declinazione"), shown);
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("lato"))->currentText(), side);
        QCOMPARE(text(w, "nome"), QStringLiteral("Bologna"));
        QCOMPARE(w.project().declinationDeg, declination);
        // The drawing is the new dial's: its title names the new place, its canvas shows it.
        QVERIFY(w.dial().ok);
        QCOMPARE(w.dial().sketch.title, std::string("Quadrante Bologna"));
        auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
        QVERIFY(canvas);
        QCOMPARE(canvas->drawing().title, std::string("Quadrante Bologna"));
    }

    // The form's accepted edits are the document's; a refused one leaves it as it was.
    void documentFollowsTheForm()
    {
        designer::Quadrante w;
        QSignalSpy changed(w.document(), &designer::DialDocument::changed);
        auto *latitude = w.findChild<QLineEdit *>(QStringLiteral("latitudine"));
        latitude->setText(QStringLiteral("41,9"));
        w.redrawNow();
        QCOMPARE(w.document()->project().latitudeDeg, 41.9);
        QCOMPARE(changed.size(), 1);
        latitude->setText(QStringLiteral("95"));
        w.redrawNow();
        QCOMPARE(w.document()->project().latitudeDeg, 41.9);
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_MAIN(TestDialDocument)
#include "test_dialdocument.moc"
