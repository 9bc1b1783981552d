// The "Ombra" panel as a user meets it: a date and a time typed into the designer give the
// nodus's shadow the engine computes for the dial on show, with two decimals; an instant with
// the Sun down or behind the wall leaves the point empty and says why; a refused date or time
// changes nothing; the animations move the instant on; nothing of it touches the project.

#include "testsupport.h"

#include "designer/quadrante.h"
#include "drawing/qt/drawingcanvas.h"
#include "drawing/sheetdrawing.h"
#include "drawing/textformat.h"
#include "gnomonics/hoursystems.h"
#include "gnomonics/shadow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

// Types into a field as a user does: select what is there, type, press Return.
void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QString shown(double value) { return qs(drawing::DecimalShown(value, 2)); }

} // namespace

class TestShadowPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
    }

    void typedInstantGivesTheEnginesShadow_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("sight");
        QTest::addColumn<QString>("note");
        const QString down = QStringLiteral("Il Sole è sotto l'orizzonte.");
        const QString behind = QStringLiteral("Il Sole è dietro il piano.");
        const int on = int(gnomonics::ShadowSight::OnPlane);
        QTest::newRow("equinox noon") << "21/03/2026" << "12:00" << on << QString();
        QTest::newRow("summer afternoon") << "15/08/2026" << "16:27" << on << QString();
        QTest::newRow("winter morning, one digit day") << "5/1/2027" << "9:05" << on << QString();
        QTest::newRow("leap day 2028") << "29/02/2028" << "13:45" << on << QString();
        QTest::newRow("night") << "21/12/2026" << "23:00" << int(gnomonics::ShadowSight::SunDown) << down;
        QTest::newRow("June evening, Sun behind the South wall") << "21/06/2026" << "19:30"
                                                                  << int(gnomonics::ShadowSight::BehindPlane) << behind;
        QTest::newRow("first year") << "01/01/1600" << "12:00" << on << QString();
        QTest::newRow("last year") << "31/12/2400" << "12:00" << on << QString();
    }

    void typedInstantGivesTheEnginesShadow()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, sight);
        QFETCH(QString, note);
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        HORALO_FIND(QLineEdit, x, &w, "ombra_x");
        HORALO_FIND(QLineEdit, y, &w, "ombra_y");
        HORALO_FIND(QLabel, state, &w, "ombra_stato");
        HORALO_FIND(drawing::DrawingCanvas, canvas, &w, "Disegno");
        typeInto(dateField, date);
        typeInto(timeField, time);

        const auto d = gnomonics::ReadDateForm(date.toStdString());
        QVERIFY(d);
        const QStringList hm = time.split(QLatin1Char(':'));
        const double clock = hm[0].toInt() + hm[1].toInt() / 60.0;
        const gnomonics::ShadowAtInstant want = gnomonics::ShadowAt(w.dial().lines.design, w.dial().lines.plane, *d, clock);
        QCOMPARE(int(want.sight), sight);
        QCOMPARE(state->text(), note);
        if (sight == int(gnomonics::ShadowSight::OnPlane)) {
            QCOMPARE(x->text(), shown(want.point.xMm));
            QCOMPARE(y->text(), shown(want.point.yMm));
            // The dot on the drawing stands where the point stands on the drawing's page.
            QVERIFY(canvas->shadowMark().has_value());
            const drawing::DrawingPoint page = drawing::ToSheetPoint(w.dial().sketch.extent, {want.point.xMm, want.point.yMm});
            const double tolMm = 1e-9;
            QCOMPARE_LE(std::abs(canvas->shadowMark()->point.xMm - page.xMm), tolMm);
            QCOMPARE_LE(std::abs(canvas->shadowMark()->point.yMm - page.yMm), tolMm);
        } else {
            QVERIFY(x->text().isEmpty());
            QVERIFY(y->text().isEmpty());
            QVERIFY(!canvas->shadowMark().has_value());
        }
        QVERIFY2(!w.isModified(), "the shadow is a view, not a change to the project");
        HORALO_FIND(QAction, undo, &w, "azioneAnnulla");
        QVERIFY2(!undo->isEnabled(), "nothing of the shadow goes into the history");
    }

    void pausedTypingIsRead()
    {
        // No Return: the instant is read after a short pause in the typing.
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, x, &w, "ombra_x");
        typeInto(dateField, QStringLiteral("10/04/2026"));
        timeField->setFocus();
        timeField->selectAll();
        QTest::keyClicks(timeField, QStringLiteral("10:10"));
        const auto want = gnomonics::ShadowAt(w.dial().lines.design, w.dial().lines.plane, {2026, 4, 10}, 10 + 10 / 60.0);
        QTRY_COMPARE(x->text(), shown(want.point.xMm));
    }

    void refusedInstantChangesNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString dateForm = QStringLiteral("Scrivere la data come gg/mm/aaaa.");
        const QString timeForm = QStringLiteral("Scrivere l'ora come hh:mm, da 00:00 a 23:59.");
        QTest::newRow("31 February") << "ombra_data" << "31/02/2026" << QStringLiteral("Questa data non esiste: 31/02/2026");
        QTest::newRow("29 February 2027") << "ombra_data" << "29/02/2027" << QStringLiteral("Questa data non esiste: 29/02/2027");
        QTest::newRow("year 1599") << "ombra_data" << "31/12/1599" << QStringLiteral("Scrivere un anno tra 1600 e 2400.");
        QTest::newRow("date in words") << "ombra_data" << "domani" << dateForm;
        QTest::newRow("date without year") << "ombra_data" << "15/08" << dateForm;
        QTest::newRow("empty date") << "ombra_data" << "" << dateForm;
        QTest::newRow("25 o'clock") << "ombra_ora" << "25:00" << timeForm;
        QTest::newRow("24:00") << "ombra_ora" << "24:00" << timeForm;
        QTest::newRow("60 minutes") << "ombra_ora" << "12:60" << timeForm;
        QTest::newRow("time in words") << "ombra_ora" << "mezzogiorno" << timeForm;
        QTest::newRow("time with a decimal") << "ombra_ora" << "12,5" << timeForm;
        QTest::newRow("negative time") << "ombra_ora" << "-1:00" << timeForm;
    }

    void refusedInstantChangesNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        typeInto(dateField, QStringLiteral("15/08/2026"));
        typeInto(timeField, QStringLiteral("11:00"));
        const QStringList names{"ombra_x", "ombra_y", "ombra_vera", "ombra_civile", "ombra_italica", "ombra_babilonica", "ombra_temporaria"};
        QStringList before;
        for (const QString &n : names)
            before << w.findChild<QLineEdit *>(n)->text();
        QVERIFY(!before[0].isEmpty());
        const auto mark = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"))->shadowMark();

        auto *typed = w.findChild<QLineEdit *>(field);
        QVERIFY(typed);
        typeInto(typed, text);
        auto *error = w.findChild<QLabel *>(field + QStringLiteral("_errore"));
        QVERIFY2(error, qPrintable(field + QStringLiteral("_errore")));
        QCOMPARE(error->text(), message);
        QVERIFY(error->isVisible());
        for (int i = 0; i < names.size(); ++i) {
            const QString now = w.findChild<QLineEdit *>(names[i])->text();
            QCOMPARE(now, before[i]);
            QVERIFY(!now.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
            QVERIFY(!now.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
        }
        const auto after = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"))->shadowMark();
        QVERIFY(after.has_value() && mark.has_value());
        QCOMPARE(after->point.xMm, mark->point.xMm);
        QCOMPARE(after->point.yMm, mark->point.yMm);

        // Put right, the message goes.
        typeInto(typed, field == QStringLiteral("ombra_data") ? QStringLiteral("16/08/2026") : QStringLiteral("11:30"));
        QVERIFY(error->text().isEmpty());
    }

    void readingsOfTheSystemsOn()
    {
        // Default dial: apparent hours only. Italic, Babylonian and clock hours switched on show
        // their readings; a system off is an empty, disabled field.
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        HORALO_FIND(QLineEdit, apparent, &w, "ombra_vera");
        HORALO_FIND(QLineEdit, civil, &w, "ombra_civile");
        HORALO_FIND(QLineEdit, italic, &w, "ombra_italica");
        HORALO_FIND(QLineEdit, babylonian, &w, "ombra_babilonica");
        HORALO_FIND(QLineEdit, temporary, &w, "ombra_temporaria");
        typeInto(dateField, QStringLiteral("21/03/2026"));
        typeInto(timeField, QStringLiteral("12:00"));
        QVERIFY(!italic->isEnabled() && italic->text().isEmpty());
        QVERIFY(!civil->isEnabled() && civil->text().isEmpty());
        QVERIFY(!temporary->isEnabled() && temporary->text().isEmpty());
        // Milano, 9.19 East in zone 1, 21/03/2026: 12:00 on the clock is 11:00 UT, local mean
        // time 11:36.76 (9.19 degrees at 4 minutes each), plus the equation of time that day
        // (-7.15 min, almanac value): 11:29.6, shown to the nearest minute.
        QCOMPARE(apparent->text(), QStringLiteral("11:30"));

        for (const char *name : {"italiche", "babiloniche", "civili"}) {
            auto *box = w.findChild<QCheckBox *>(QString::fromLatin1(name));
            QVERIFY2(box, name);
            box->setChecked(true);
        }
        w.redrawNow();
        QVERIFY(italic->isEnabled() && babylonian->isEnabled() && civil->isEnabled());
        QCOMPARE(civil->text(), QStringLiteral("12:00"));
        const auto want = gnomonics::ShadowAt(w.dial().lines.design, w.dial().lines.plane, {2026, 3, 21}, 12.0);
        QCOMPARE(italic->text(), shown(*want.italicHours));
        QCOMPARE(babylonian->text(), shown(*want.babylonianHours));
        // Near the equinox the day is twelve hours long: sunrise about 6 h before apparent
        // noon, so the Babylonian hour is about 5,5 and the Italic about 17,5.
        QCOMPARE_LE(std::abs(*want.babylonianHours - 5.5), 0.1);
        QCOMPARE_LE(std::abs(*want.italicHours - 17.5), 0.1);
    }

    void refractionLiftsTheSunAtSunset_data()
    {
        QTest::addColumn<bool>("refraction");
        QTest::addColumn<QString>("note");
        // 21/06/2026 21:12 summer time in Milano: the Sun's centre 0.33 degree below the
        // horizon, seen 0.20 degree above it through the air; a wall declining 40 West faces it.
        QTest::newRow("without refraction the Sun is down") << false << QStringLiteral("Il Sole è sotto l'orizzonte.");
        QTest::newRow("with refraction the Sun casts a shadow") << true << QString();
    }

    void refractionLiftsTheSunAtSunset()
    {
        QFETCH(bool, refraction);
        QFETCH(QString, note);
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, declination, &w, "declinazione");
        declination->setText(QStringLiteral("40"));
        for (auto [name, on] : {std::pair{"ora_legale", true}, std::pair{"rifrazione", refraction}, std::pair{"temporarie", true}}) {
            auto *box = w.findChild<QCheckBox *>(QString::fromLatin1(name));
            QVERIFY2(box, name);
            box->setChecked(on);
        }
        w.redrawNow();
        QCOMPARE(w.dial().lines.design.refraction, refraction);
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        HORALO_FIND(QLineEdit, x, &w, "ombra_x");
        HORALO_FIND(QLineEdit, y, &w, "ombra_y");
        HORALO_FIND(QLineEdit, temporary, &w, "ombra_temporaria");
        HORALO_FIND(QLabel, state, &w, "ombra_stato");
        typeInto(dateField, QStringLiteral("21/06/2026"));
        typeInto(timeField, QStringLiteral("21:12"));
        QCOMPARE(state->text(), note);
        const auto want = gnomonics::ShadowAt(w.dial().lines.design, w.dial().lines.plane, {2026, 6, 21}, 21.2);
        if (refraction) {
            QCOMPARE(want.sight, gnomonics::ShadowSight::OnPlane);
            QCOMPARE(x->text(), shown(want.point.xMm));
            QCOMPARE(y->text(), shown(want.point.yMm));
            // Sunrise and sunset 34' below the horizon: the Sun has not set yet, the day's
            // twelfth hour is still running.
            QVERIFY2(temporary->text().startsWith(QStringLiteral("11,")), qPrintable(temporary->text()));
        } else {
            QVERIFY(x->text().isEmpty() && y->text().isEmpty());
            QCOMPARE(temporary->text(), QStringLiteral("—"));
        }
    }

    void readingsThatDoNotExistAreDashes()
    {
        // Latitude 70 in June: the Sun never sets, so there are no Italic, Babylonian or
        // temporary hours; at night in Milano no temporary hour.
        designer::Quadrante w;
        w.show();
        for (const char *name : {"italiche", "babiloniche", "temporarie"})
            w.findChild<QCheckBox *>(QString::fromLatin1(name))->setChecked(true);
        HORALO_FIND(QLineEdit, latitude, &w, "latitudine");
        latitude->setText(QStringLiteral("70"));
        w.redrawNow();
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        typeInto(dateField, QStringLiteral("21/06/2026"));
        typeInto(timeField, QStringLiteral("12:00"));
        for (const char *name : {"ombra_italica", "ombra_babilonica", "ombra_temporaria"})
            QCOMPARE(w.findChild<QLineEdit *>(QString::fromLatin1(name))->text(), QStringLiteral("—"));
        latitude->setText(QStringLiteral("45,4642"));
        w.redrawNow();
        typeInto(timeField, QStringLiteral("23:30"));
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("ombra_temporaria"))->text(), QStringLiteral("—"));
        const auto want = gnomonics::ShadowAt(w.dial().lines.design, w.dial().lines.plane, {2026, 6, 21}, 23.5);
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("ombra_italica"))->text(), shown(*want.italicHours));
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("ombra_babilonica"))->text(), shown(*want.babylonianHours));
    }

    void playThroughTheDayAndTheYear()
    {
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        HORALO_FIND(QPushButton, day, &w, "ombra_giorno");
        HORALO_FIND(QPushButton, year, &w, "ombra_anno");
        HORALO_FIND(QSlider, slider, &w, "ombra_cursore");
        typeInto(dateField, QStringLiteral("31/12/2026"));
        typeInto(timeField, QStringLiteral("23:58"));
        QCOMPARE(slider->value(), 23 * 60 + 58);
        // One minute a step, wrapping at midnight on the same day.
        QTest::mouseClick(day, Qt::LeftButton);
        QTRY_VERIFY(timeField->text().startsWith(QStringLiteral("00:")));
        QCOMPARE(dateField->text(), QStringLiteral("31/12/2026"));
        // The other button switches: one day a step at the same clock time, 31/12 to 1/1.
        QTest::mouseClick(year, Qt::LeftButton);
        QVERIFY(!day->isChecked());
        const QString clock = timeField->text();
        QTRY_VERIFY(dateField->text().endsWith(QStringLiteral("/01/2026")));
        QCOMPARE(timeField->text(), clock);
        // Typing stops the play.
        dateField->setFocus();
        QTest::keyClick(dateField, Qt::Key_End);
        QTest::keyClick(dateField, Qt::Key_Backspace);
        QVERIFY(!year->isChecked());
        typeInto(dateField, QStringLiteral("10/05/2026"));
        QTest::qWait(200);
        QCOMPARE(dateField->text(), QStringLiteral("10/05/2026"));
        QVERIFY(!w.isModified());
    }

    void nowIsTheZonesClock()
    {
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QPushButton, now, &w, "ombra_adesso");
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        QTest::mouseClick(now, Qt::LeftButton);
        // Milano's zone, UT + 1, no summer time in the default project.
        const QDateTime zone = QDateTime::currentDateTimeUtc().addSecs(3600);
        const QTime shownTime = QTime::fromString(timeField->text(), QStringLiteral("hh:mm"));
        QVERIFY(shownTime.isValid());
        const QDateTime read(QDate::fromString(dateField->text(), QStringLiteral("dd/MM/yyyy")), shownTime, Qt::UTC);
        const QDateTime zoneAsUtc(zone.date(), zone.time(), Qt::UTC);
        QCOMPARE_LE(std::abs(read.secsTo(zoneAsUtc)), 120);
    }

    void everyWidgetIsNamedAndExplained()
    {
        designer::Quadrante w;
        for (const char *name : {"ombra_data", "ombra_ora", "ombra_cursore", "ombra_adesso", "ombra_giorno", "ombra_anno",
                                 "ombra_x", "ombra_y", "ombra_vera", "ombra_civile", "ombra_italica", "ombra_babilonica",
                                 "ombra_temporaria"}) {
            auto *widget = w.findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(widget, name);
            QVERIFY2(!widget->toolTip().isEmpty(), name);
            QVERIFY2(!widget->accessibleName().isEmpty(), name);
        }
    }
};

QTEST_MAIN(TestShadowPanel)
#include "test_shadowpanel.moc"
