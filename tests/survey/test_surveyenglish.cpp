// The wall survey in English: its window's words, the declinations written "23.15 West", the
// refusals beside the fields and the report lines.

#include "sheettesting.h"

#include "shell/language.h"
#include "shell/registry.h"
#include "survey/rilievowindow.h"
#include "survey/surveyform.h"
#include "survey/surveywindows.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

class TestSurveyEnglish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(shell::installLanguage(shell::Language::English));
        QApplication::setQuitOnLastWindowClosed(false);
        survey::registerSurveyWindows(shell::WindowRegistry::instance());
    }

    void declinations_data()
    {
        QTest::addColumn<double>("deg");
        QTest::addColumn<QString>("want");
        QTest::newRow("23.15 West") << 23.15 << "23.15 West";
        QTest::newRow("10.5 East") << -10.5 << "10.50 East";
        QTest::newRow("due South") << 0.0 << "0.00";
        QTest::newRow("due North") << 180.0 << "180.00";
    }
    void declinations()
    {
        QFETCH(double, deg);
        QFETCH(QString, want);
        QCOMPARE(QString::fromStdString(survey::FormatDeclination(deg)), want);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("want");
        QTest::newRow("compute") << "Calcola" << "Compute";
        QTest::newRow("use") << "UsaNelQuadrante" << "Use in the designer";
        QTest::newRow("print") << "Stampa" << "Print";
        QTest::newRow("protractor") << "StampaGoniometro" << "Print protractor 1:1";
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, want);
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Wall survey"));
        auto *b = w->findChild<QPushButton *>(name);
        QVERIFY2(b, qPrintable(name));
        QCOMPARE(b->text(), want);
    }

    void defaultsShowTheDecimalPoint()
    {
        auto *w = qobject_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        QVERIFY(w);
        QCOMPARE(w->text(QStringLiteral("Lon")), QString::fromStdString(survey::SurveyForm().longitude).replace(',', '.'));
        QVERIFY(!w->text(QStringLiteral("Lon")).contains(QLatin1Char(',')));
    }

    void refusalBesideTheLatitude()
    {
        auto *w = qobject_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        QVERIFY(w);
        w->setText(QStringLiteral("Lat"), QStringLiteral("abc"));
        HORALO_FIND(QPushButton, compute, w, "Calcola");
        QTest::mouseClick(compute, Qt::LeftButton);
        HORALO_FIND(QLabel, note, w, "notaLat");
        QCOMPARE(note->text(), QStringLiteral("not a number"));
        HORALO_FIND(QLabel, message, w, "messaggio");
        QCOMPARE(message->text(), QStringLiteral("Correct the fields marked in red."));
        const QString dir = qEnvironmentVariable("HORALO_SCREENSHOTS");
        if (!dir.isEmpty()) {
            w->show();
            w->adjustSize();
            w->grab().save(dir + QStringLiteral("/rilievo_en.png"));
        }
    }

    void reportLines()
    {
        survey::SurveyForm form;
        form.latitude = "45.5";
        form.longitude = "9";
        form.zone = "1";
        const survey::SurveyOutcome outcome = survey::ComputeSurvey(form);
        const sheet::ReportPage page = survey::BuildSurveyReport(form, outcome);
        QStringList texts;
        for (const auto &item : page.items)
            texts << QString::fromStdString(item.text);
        QVERIFY2(texts.contains(QStringLiteral("WALL SURVEY")), qPrintable(texts.join(" | ")));
        QVERIFY2(texts.contains(QStringLiteral("Latitude 45.5°   Longitude 9°   Time zone 1 h   standard time")),
                 qPrintable(texts.join(" | ")));
        QVERIFY2(texts.contains(QStringLiteral("Declination (°)")), qPrintable(texts.join(" | ")));
    }
};

QTEST_MAIN(TestSurveyEnglish)
#include "test_surveyenglish.moc"
