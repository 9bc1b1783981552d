// The wall survey in English: its window's words, the declinations written "23.15 West", the
// refusals beside the fields and the report lines.

#include "sheettesting.h"

#include "gnomonics/wallsurvey.h"
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

    // Two readings on both sides of the change to summer time, both with the window's
    // standard time: each is an hour off the other and says so in English.
    void hourOffNoteInEnglish()
    {
        survey::SurveyForm form;
        form.latitude = "45.4642";
        form.longitude = "9.19";
        form.zone = "1";
        const std::array<gnomonics::CivilDate, 2> dates{{{2024, 3, 28}, {2024, 4, 3}}};
        for (std::size_t k = 0; k < 2; ++k) {
            gnomonics::Place p;
            p.latitudeDeg = 45.4642;
            p.longitudeDeg = 9.19;
            p.zoneHours = 1;
            p.summerTime = k == 1;
            const double alpha = gnomonics::SunForSurvey(p, {dates[k], 12.5, 0, {}}).azimuthDeg - 20;
            form.date[k] = k == 0 ? "28/03/2024" : "03/04/2024";
            form.clock[k] = "12:30";
            form.alpha[k] = QString::number(alpha, 'f', 3).toStdString();
        }
        const survey::SurveyOutcome outcome = survey::ComputeSurvey(form);
        for (std::size_t k = 0; k < 2; ++k)
            QCOMPARE(QString::fromStdString(outcome.rowNote[k]), QStringLiteral("probably one hour off (summer time?)"));
        form.rowSummerTime[1] = true;
        const sheet::ReportPage page = survey::BuildSurveyReport(form, survey::ComputeSurvey(form));
        QStringList texts;
        for (const auto &item : page.items)
            texts << QString::fromStdString(item.text);
        QVERIFY2(texts.contains(QStringLiteral("read in summer time")), qPrintable(texts.join(" | ")));
        auto *w = shell::showWindow(QStringLiteral("Rilievo"));
        bool header = false;
        for (QLabel *l : w->findChildren<QLabel *>())
            header = header || l->text() == QStringLiteral("Summer");
        QVERIFY(header);
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
        // The footer speaks the page's language like every other line of it.
        QVERIFY2(texts.contains(QStringLiteral("Horalo 2002 - a program for making sundials")), qPrintable(texts.join(" | ")));
    }
};

QTEST_MAIN(TestSurveyEnglish)
#include "test_surveyenglish.moc"
