// The designer in English, as a maker with an English system sees it: the window's words, a
// refusal under a field, the drawing's labels and numbers with the decimal point; and the CSV,
// a file format, byte for byte the one the Italian program writes.

#include "testsupport.h"

#include "designer/designerexport.h"
#include "designer/quadrante.h"
#include "drawing/csvwriter.h"
#include "project/projectfile.h"
#include "shell/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

project::Project sampleProject()
{
    project::Project p;
    p.latitudeDeg = 45.5;
    p.longitudeDeg = 9.25;
    p.declinationDeg = 20;
    p.year = 2026;
    p.solsticesEquinoxes = true;
    p.days = {"15/08/2026"};
    return p;
}

std::vector<std::string> sketchTexts(const designer::DesignedDial &dial)
{
    std::vector<std::string> texts;
    for (const auto &l : dial.sketch.labels)
        texts.push_back(l.text);
    return texts;
}

bool has(const std::vector<std::string> &texts, const std::string &text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

QString listed(const std::vector<std::string> &texts)
{
    QStringList all;
    for (const auto &t : texts)
        all << QString::fromStdString(t);
    return all.join(QStringLiteral(" | "));
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(shell::installLanguage(shell::Language::English));
    }

    void buttonsAndTitle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("want");
        QTest::newRow("open") << "Apri" << "Open";
        QTest::newRow("save") << "Salva" << "Save";
        QTest::newRow("save as") << "SalvaConNome" << "Save as";
        QTest::newRow("export") << "Esporta" << "Export";
        QTest::newRow("shadow now") << "ombra_adesso" << "Now";
        QTest::newRow("shadow, play the day") << "ombra_giorno" << "▶ Day";
        QTest::newRow("shadow, play the year") << "ombra_anno" << "▶ Year";
    }
    void buttonsAndTitle()
    {
        QFETCH(QString, name);
        QFETCH(QString, want);
        designer::Quadrante w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Dial designer"));
        auto *b = w.findChild<QPushButton *>(name);
        QVERIFY2(b, qPrintable(QStringLiteral("no button %1").arg(name)));
        QCOMPARE(b->text(), want);
    }

    void groupsAndChoices()
    {
        designer::Quadrante w;
        QStringList groups;
        for (auto *g : w.findChildren<QGroupBox *>())
            groups << g->title();
        // The shadow's panel, beside the drawing, and the form's groups in their order.
        QVERIFY2(groups.removeOne(QStringLiteral("Shadow")), qPrintable(groups.join(QLatin1Char(','))));
        QCOMPARE(groups, (QStringList{"Kind of dial", "Place", "Plane", "Gnomon", "Hour systems", "Sun's azimuth and altitude", "Date lines", "Plate", "Options"}));
        HORALO_FIND(QComboBox, side, &w, "lato");
        QCOMPARE(side->itemText(0), QStringLiteral("East"));
        QCOMPARE(side->itemText(1), QStringLiteral("West"));
        HORALO_FIND(QComboBox, analemma, &w, "analemma");
        QCOMPARE(analemma->itemText(2), QStringLiteral("noon only"));
    }

    void fieldsShowTheDecimalPoint()
    {
        designer::Quadrante w;
        w.setProject(sampleProject(), QString());
        HORALO_FIND(QLineEdit, lat, &w, "latitudine");
        HORALO_FIND(QLineEdit, lon, &w, "longitudine");
        QCOMPARE(lat->text(), QStringLiteral("45.5"));
        QCOMPARE(lon->text(), QStringLiteral("9.25"));
        // HORALO_SCREENSHOTS=<folder> keeps a picture of the window, to look at its layout.
        const QString dir = qEnvironmentVariable("HORALO_SCREENSHOTS");
        if (!dir.isEmpty()) {
            w.show();
            w.redrawNow();
            w.grab().save(dir + QStringLiteral("/quadrante_en.png"));
        }
    }

    // The coordinate table speaks English: its columns, the kinds of point and the lines'
    // names; the numbers have the decimal point. The file itself stays as it is.
    void coordinateTableInEnglish()
    {
        designer::Quadrante w;
        w.setProject(sampleProject(), QString());
        w.show();
        HORALO_FIND(QTabWidget, tabs, &w, "Schede");
        HORALO_FIND(QTableView, table, &w, "TabellaCoordinate");
        tabs->setCurrentWidget(table);
        const QAbstractItemModel *model = table->model();
        QTRY_VERIFY(model->rowCount() > 50);
        QStringList headers;
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"type", "label", "hour", "date", "declination", "x_mm", "y_mm"}));
        QSet<QString> kinds;
        bool june = false;
        auto cell = [model](int r, int c) { return model->index(r, c).data().toString(); };
        for (int r = 0; r < model->rowCount(); ++r) {
            kinds << cell(r, 0);
            june = june || cell(r, 1).contains(QStringLiteral("June 21"));
            QVERIFY(!cell(r, 5).contains(QLatin1Char(',')));
        }
        QVERIFY2(kinds.contains(QStringLiteral("apparent time")) && kinds.contains(QStringLiteral("date line")),
                 qPrintable(QStringList(kinds.values()).join(QStringLiteral(", "))));
        QVERIFY(june);
    }

    void refusalsUnderFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("want");
        QTest::newRow("latitude not a number") << "latitudine" << "abc" << "Write a number.";
        QTest::newRow("declination over 180") << "declinazione" << "200"
                                              << "The declination must be between 0 and 180 degrees.";
        QTest::newRow("latitude 90") << "latitudine" << "90"
                                     << "The latitude must be between -89.99 and 89.99 degrees.";
    }
    void refusalsUnderFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, want);
        designer::Quadrante w;
        w.setProject(sampleProject(), QString());
        auto *edit = w.findChild<QLineEdit *>(field);
        QVERIFY2(edit, qPrintable(field));
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        w.redrawNow();
        auto *error = w.findChild<QLabel *>(field + QStringLiteral("_errore"));
        QVERIFY2(error, qPrintable(field));
        QCOMPARE(error->text(), want);
        HORALO_FIND(QLabel, status, &w, "Stato");
        QCOMPARE(status->text(), QStringLiteral("Value not accepted: the previous drawing stays."));
    }

    // The file reader's refusals in English, each with English quotation marks only (they
    // once mixed “ and »).
    void projectFileRefusal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("want");
        const QString head = QStringLiteral(R"({"formato":"horalo-quadrante","versione":1,)");
        QTest::newRow("latitude as text") << head + QStringLiteral(R"("luogo":{"nome":"Milano","latitudine":"45"}})")
                                          << QStringLiteral("The value of “luogo.latitudine” must be a number.");
        QTest::newRow("version beyond the signed range")
            << QStringLiteral(R"({"formato":"horalo-quadrante","versione":18446744073709551615})")
            << QStringLiteral("The project was written by a newer version of Horalo (version 18446744073709551615); this "
                              "version reads up to version 1.");
        QTest::newRow("version zero") << QStringLiteral(R"({"formato":"horalo-quadrante","versione":0})")
                                      << QStringLiteral("The value of “versione” (0) is not valid.");
        QTest::newRow("latitude 95") << head + QStringLiteral(R"("luogo":{"nome":"M","latitudine":95}})")
                                     << QStringLiteral("The value of “luogo.latitudine” (95) is outside the range from -89.99 to 89.99.");
        QTest::newRow("section as list") << head + QStringLiteral(R"("luogo":[1]})")
                                         << QStringLiteral("The section “luogo” must be a JSON object.");
        QTest::newRow("cut after byte 10") << QStringLiteral(R"({"formato")")
                                        << QStringLiteral("The file is truncated or not valid JSON (at character 11).");
        QTest::newRow("wrong format") << QStringLiteral(R"({"formato":"altro","versione":1})") << QString();
        QTest::newRow("missing section") << head + QStringLiteral(R"("piano":{}})") << QString();
        QTest::newRow("a date that does not exist")
            << head + QStringLiteral(R"("luogo":{"nome":"M","latitudine":45,"longitudine":9,"fuso":1,"ora_legale":false},)"
                                     R"("piano":{"declinazione":0,"inclinazione":0},"gnomone":{"altezza_mm":100},)"
                                     R"("lastra":{"larghezza_mm":1000,"altezza_mm":800,"piede_da_sinistra_mm":500,"piede_da_alto_mm":200},)"
                                     R"("date":{"giorni":["31/02/2026"]}})")
            << QStringLiteral("The date “31/02/2026” in “date.giorni” does not exist or is outside the years 1600-2400.");
    }
    void projectFileRefusal()
    {
        QFETCH(QString, text);
        QFETCH(QString, want);
        const project::ProjectRead read = project::ReadProject(text.toStdString());
        QVERIFY(!read.ok);
        const QString said = QString::fromStdString(read.message);
        if (!want.isEmpty())
            QCOMPARE(said, want);
        QVERIFY2(!said.contains(QChar(0x00AB)) && !said.contains(QChar(0x00BB)), qPrintable(said));
        QVERIFY2(said.count(QChar(0x201C)) == said.count(QChar(0x201D)), qPrintable(said));
    }

    void drawingLabels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("equinox line") << "Equinoxes";
        QTest::newRow("a day of the year") << "August 15";
        QTest::newRow("scale line") << "Scale 1:1, sizes in mm from the foot of the gnomon F (x to the right, y up)";
        QTest::newRow("latitude, decimal point") << "Latitude 45.5000°  longitude 9.2500° (East positive)";
        QTest::newRow("wall") << "Plane declination 20.00° West  inclination 0.00°";
        QTest::newRow("up arrow") << "Up";
    }
    void drawingLabels()
    {
        QFETCH(QString, label);
        const designer::DesignedDial dial = designer::DesignDial(sampleProject());
        QVERIFY(dial.ok);
        const auto texts = sketchTexts(dial);
        QVERIFY2(has(texts, label.toStdString()), qPrintable(listed(texts)));
    }

    void titleBlockNamesThePoints_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("the style's angle is its elevation") << R"(Style elevation \d+\.\d\d°  nodus height \d+\.\d mm  style O-nodus \d+\.\d mm)";
        QTest::newRow("O, the dial centre, from F")
            << R"(Dial centre O \(root of the style\) at x -?\d+\.\d, y -?\d+\.\d mm from F)";
        QTest::newRow("plate and foot of the gnomon")
            << R"(Plate \d+ × \d+ mm, foot of the gnomon F \d+ mm from the left and \d+ mm from the top)";
        QTest::newRow("scale from the foot of the gnomon") << R"(Scale 1:1, sizes in mm from the foot of the gnomon F \(x to the right, y up\))";
    }
    void titleBlockNamesThePoints()
    {
        QFETCH(QString, pattern);
        const designer::DesignedDial dial = designer::DesignDial(sampleProject());
        QVERIFY(dial.ok);
        const QRegularExpression want(QRegularExpression::anchoredPattern(pattern));
        const auto texts = sketchTexts(dial);
        const auto matches = std::count_if(texts.begin(), texts.end(),
                                           [&](const std::string &t) { return want.match(QString::fromStdString(t)).hasMatch(); });
        QVERIFY2(matches == 1, qPrintable(listed(texts)));
        for (const auto &t : texts)
            QVERIFY2(QString::fromStdString(t).indexOf(QLatin1String("Style height")) < 0, t.c_str());
    }

    void solsticeLinesNamedInEnglish()
    {
        const designer::DesignedDial dial = designer::DesignDial(sampleProject());
        const auto texts = sketchTexts(dial);
        const bool june = std::any_of(texts.begin(), texts.end(), [](const std::string &t) {
            return t == "June 20" || t == "June 21";
        });
        QVERIFY2(june, qPrintable(listed(texts)));
        for (const auto &t : texts)
            QVERIFY2(t.find("giugno") == std::string::npos && t.find("Equinozi") == std::string::npos,
                     t.c_str());
    }

    // The CSV is read by other programs: Italian labels, decimal comma and ';' whatever language
    // the program speaks.
    void csvIsTheSameInEnglish()
    {
        const designer::DesignedDial dial = designer::DesignDial(sampleProject());
        QVERIFY(dial.ok);
        const std::string english = drawing::DialCsv(dial.lines);
        shell::installLanguage(shell::Language::Italian); // false only without Qt's own Italian catalogue
        const std::string italian = drawing::DialCsv(dial.lines);
        QVERIFY(shell::installLanguage(shell::Language::English));
        QVERIFY(!italian.empty());
        QVERIFY(italian.find("15 agosto") != std::string::npos);
        QVERIFY(italian.find("Equinozi") != std::string::npos);
        QCOMPARE(QString::fromStdString(english), QString::fromStdString(italian));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("dial.csv"));
        QString error;
        QVERIFY2(designer::ExportDial(path, dial, &error), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray::fromStdString(italian));
    }

    void shadowPanelInEnglish_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("note");
        QTest::newRow("night") << "21/12/2026" << "23:00" << "The Sun is below the horizon.";
        QTest::newRow("Sun behind the wall") << "21/06/2026" << "19:30" << "The Sun is behind the plane.";
        QTest::newRow("a bad date") << "31/02/2026" << "12:00" << "This date does not exist: 31/02/2026";
        QTest::newRow("a bad time") << "21/03/2026" << "25:00" << "Write the time as hh:mm, from 00:00 to 23:59.";
    }
    void shadowPanelInEnglish()
    {
        // The dates and times are typed as in Italian (dd/mm/yyyy, hh:mm); the words and the
        // decimal point are English.
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, note);
        designer::Quadrante w;
        w.show();
        HORALO_FIND(QLineEdit, dateField, &w, "ombra_data");
        HORALO_FIND(QLineEdit, timeField, &w, "ombra_ora");
        HORALO_FIND(QLineEdit, x, &w, "ombra_x");
        for (auto [field, text] : {std::pair{dateField, QStringLiteral("21/03/2026")}, std::pair{timeField, QStringLiteral("12:00")}}) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QVERIFY2(QRegularExpression(QStringLiteral("^-?\\d+\\.\\d\\d$")).match(x->text()).hasMatch(), qPrintable(x->text()));
        for (auto [field, text] : {std::pair{dateField, date}, std::pair{timeField, time}}) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QStringList said;
        for (const char *name : {"ombra_stato", "ombra_data_errore", "ombra_ora_errore"})
            if (auto *l = w.findChild<QLabel *>(QString::fromLatin1(name)); l && !l->text().isEmpty())
                said << l->text();
        QCOMPARE(said, QStringList{note});
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
