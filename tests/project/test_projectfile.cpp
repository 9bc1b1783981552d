#include "project/projectfile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

namespace {

// The text of a complete default project with one section replaced by raw JSON, or left out
// when raw is null.
QString withSection(const char *section, const char *raw)
{
    nlohmann::json doc = nlohmann::json::parse(project::WriteProject(project::Project{}));
    if (!raw) {
        doc.erase(section);
        return QString::fromStdString(doc.dump());
    }
    doc[section] = "@@";
    return QString::fromStdString(doc.dump()).replace(QStringLiteral(R"("@@")"), QString::fromUtf8(raw));
}

// The same with one key of a section set to raw JSON (written as it is, so that numbers a
// double cannot hold reach the reader), or left out when raw is null.
QString withValue(const char *section, const char *key, const char *raw)
{
    nlohmann::json doc = nlohmann::json::parse(project::WriteProject(project::Project{}));
    if (!raw) {
        doc[section].erase(key);
        return QString::fromStdString(doc.dump(1));
    }
    doc[section][key] = "@@";
    return QString::fromStdString(doc.dump(1)).replace(QStringLiteral(R"("@@")"), QString::fromUtf8(raw));
}

} // namespace

// The project file a maker keeps: what is written is read back unchanged, keys this version does
// not know survive, and every bad file is refused with a sentence naming the key at fault.
class TestProjectFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip()
    {
        project::Project p;
        p.placeName = "Tarquinia";
        p.latitudeDeg = -33.25;
        p.longitudeDeg = 151.5;
        p.zoneHours = 10;
        p.summerTime = true;
        p.declinationDeg = -110;
        p.inclinationDeg = 25.5;
        p.styleLengthGiven = true;
        p.gnomonMm = 142.5;
        p.clock = true;
        p.analemma = gnomonics::AnalemmaMode::Halves;
        p.year = 2031;
        p.italic = true;
        p.monthFirsts = true;
        p.days = {"15/08/2031", "1/1/2032"};
        p.plateWidthMm = 640;
        p.footFromTopMm = -20;
        QVERIFY(project::SetExtraObject(p, "rilievo", R"({"punti": [1, 2], "nota": "muro"})"));
        const std::string text = project::WriteProject(p);
        const project::ProjectRead back = project::ReadProject(text);
        QVERIFY2(back.ok, back.message.c_str());
        const project::Project &q = back.project;
        QCOMPARE(q.placeName, p.placeName);
        QCOMPARE(q.latitudeDeg, p.latitudeDeg);
        QCOMPARE(q.longitudeDeg, p.longitudeDeg);
        QCOMPARE(q.zoneHours, p.zoneHours);
        QCOMPARE(q.summerTime, p.summerTime);
        QCOMPARE(q.declinationDeg, p.declinationDeg);
        QCOMPARE(q.inclinationDeg, p.inclinationDeg);
        QCOMPARE(q.styleLengthGiven, true);
        QCOMPARE(q.gnomonMm, p.gnomonMm);
        QCOMPARE(q.analemma, p.analemma);
        QCOMPARE(q.year, p.year);
        QCOMPARE(q.italic, true);
        QCOMPARE(q.monthFirsts, true);
        QCOMPARE(q.days, p.days);
        QCOMPARE(q.plateWidthMm, p.plateWidthMm);
        QCOMPARE(q.footFromTopMm, p.footFromTopMm);
        QCOMPARE(project::ExtraObject(q, "rilievo"), std::string(R"({"nota":"muro","punti":[1,2]})"));
        QVERIFY(text.find("\"stilo_mm\"") != std::string::npos);
        QVERIFY(text.find("\"altezza_mm\": 100") == std::string::npos);
    }

    void unknownKeysKept()
    {
        const QString text = withValue("luogo", "quota", "120").insert(1, QStringLiteral(R"("colore": "rosso", )"));
        const auto read = project::ReadProject(text.toStdString());
        QVERIFY2(read.ok, read.message.c_str());
        const std::string written = project::WriteProject(read.project);
        QVERIFY(written.find("\"colore\": \"rosso\"") != std::string::npos);
        QVERIFY(written.find("\"quota\": 120") != std::string::npos);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named"); // what the message must name
        QTest::newRow("newer version") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 2})")
                                       << QStringLiteral("versione più recente");
        // Beyond the signed range: read as written, never wrapped round to "(-1)".
        QTest::newRow("version 2^64 - 1") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 18446744073709551615})")
                                          << QStringLiteral("(versione 18446744073709551615); questa versione legge fino alla versione 1.");
        QTest::newRow("version 2^63") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 9223372036854775808})")
                                      << QStringLiteral("(versione 9223372036854775808)");
        QTest::newRow("version -1") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": -1})")
                                    << QStringLiteral("«versione» (-1) non è valido");
        QTest::newRow("truncated") << withValue("luogo", "latitudine", "45").left(60) << QStringLiteral("troncato");
        QTest::newRow("empty file") << QString() << QStringLiteral("vuoto");
        QTest::newRow("other format") << QStringLiteral(R"({"formato": "altro", "versione": 1})") << QStringLiteral("formato");
        QTest::newRow("version as text") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": "1"})")
                                         << QStringLiteral("versione");
        QTest::newRow("latitude as text") << withValue("luogo", "latitudine", R"("45")") << QStringLiteral("luogo.latitudine");
        QTest::newRow("latitude 90") << withValue("luogo", "latitudine", "90") << QStringLiteral("luogo.latitudine");
        QTest::newRow("latitude just past 89.99") << withValue("luogo", "latitudine", "-89.991") << QStringLiteral("luogo.latitudine");
        QTest::newRow("zone 15") << withValue("luogo", "fuso", "15") << QStringLiteral("luogo.fuso");
        QTest::newRow("zone -13") << withValue("luogo", "fuso", "-13") << QStringLiteral("luogo.fuso");
        QTest::newRow("summer time as number") << withValue("luogo", "ora_legale", "1") << QStringLiteral("luogo.ora_legale");
        QTest::newRow("plane facing the ground") << withValue("piano", "inclinazione", "-85") << QStringLiteral("piano.inclinazione");
        QTest::newRow("declination 181") << withValue("piano", "declinazione", "181") << QStringLiteral("piano.declinazione");
        QTest::newRow("nodus height 0") << withValue("gnomone", "altezza_mm", "0") << QStringLiteral("gnomone.altezza_mm");
        QTest::newRow("both gnomon sizes") << withValue("gnomone", "stilo_mm", "2") << QStringLiteral("gnomone");
        QTest::newRow("analemma unknown") << withValue("ore", "analemma", R"("doppio")") << QStringLiteral("ore.analemma");
        QTest::newRow("year 2401") << withValue("ore", "anno", "2401") << QStringLiteral("ore.anno");
        QTest::newRow("year with decimals") << withValue("ore", "anno", "2026.5") << QStringLiteral("ore.anno");
        QTest::newRow("31 February") << withValue("date", "giorni", R"(["31/02/2026"])") << QStringLiteral("31/02/2026");
        QTest::newRow("days not a list") << withValue("date", "giorni", R"("21/06/2026")") << QStringLiteral("date.giorni");
        QTest::newRow("plate 9.9 mm") << withValue("lastra", "larghezza_mm", "9.9") << QStringLiteral("lastra.larghezza_mm");
        // One set of limits with the designer's fields: a plate or gnomon the window refuses.
        QTest::newRow("plate 20 001 mm") << withValue("lastra", "larghezza_mm", "20001") << QStringLiteral("lastra.larghezza_mm");
        QTest::newRow("plate 10^9 mm high") << withValue("lastra", "altezza_mm", "1e9") << QStringLiteral("lastra.altezza_mm");
        QTest::newRow("nodus 100 001 mm") << withValue("gnomone", "altezza_mm", "100001") << QStringLiteral("gnomone.altezza_mm");
        QTest::newRow("foot 20 001 mm from the left") << withValue("lastra", "piede_da_sinistra_mm", "20001")
                                                      << QStringLiteral("lastra.piede_da_sinistra_mm");
        QTest::newRow("plate 1000 mm on a 4.9 mm nodus")
            << withValue("gnomone", "altezza_mm", "4.9")
            << QStringLiteral("200 volte");
        QTest::newRow("section not an object") << withSection("lastra", "5") << QStringLiteral("lastra");
        QTest::newRow("number beyond a double") << withValue("luogo", "latitudine", "1e400") << QStringLiteral("numero troppo grande");
        QTest::newRow("number beyond a double, negative") << withValue("lastra", "larghezza_mm", "-1e999")
                                                          << QStringLiteral("numero troppo grande");
        // A name no drawing file can carry as it is: refused where it is read, never written.
        QTest::newRow("name with a line break") << withValue("luogo", "nome", R"("Villa\nRossi")") << QStringLiteral("«luogo.nome»");
        QTest::newRow("name with a DXF end of file") << withValue("luogo", "nome", R"("x\n  0\nEOF\n")") << QStringLiteral("a capo");
        QTest::newRow("name with a tab") << withValue("luogo", "nome", R"("Villa\tRossi")") << QStringLiteral("«luogo.nome»");
        QTest::newRow("name with NUL") << withValue("luogo", "nome", R"("Villa\u0000")") << QStringLiteral("«luogo.nome»");
        QTest::newRow("name with U+FFFE") << withValue("luogo", "nome", R"("Villa\uFFFE")") << QStringLiteral("U+FFFE");
        QTest::newRow("name with U+FFFF") << withValue("luogo", "nome", R"("Villa\uFFFF")") << QStringLiteral("«luogo.nome»");
        QTest::newRow("name with a C1 control") << withValue("luogo", "nome", R"("Villa\u0085")") << QStringLiteral("«luogo.nome»");
        QTest::newRow("name with the end of XML data") << withValue("luogo", "nome", "\"a]]>b\"") << QStringLiteral("]]>");
        QTest::newRow("name of 201 characters") << withValue("luogo", "nome", ("\"" + std::string(201, 'a') + "\"").c_str())
                                                << QStringLiteral("200 caratteri");
        // A key missing or misspelt in the place, the plane, the gnomon or the plate would give
        // the dial of the default place or wall: refused, naming the key.
        QTest::newRow("latitude misspelt") << withValue("luogo", "latitudine", nullptr).replace(
                                                  QStringLiteral(R"("luogo": {)"), QStringLiteral(R"("luogo": {"latitudne": 38, )"))
                                           << QStringLiteral("«luogo.latitudine»");
        QTest::newRow("format and version alone") << QStringLiteral(R"({"formato":"horalo-quadrante","versione":1})")
                                                  << QStringLiteral("«luogo»");
        QTest::newRow("no name") << withValue("luogo", "nome", nullptr) << QStringLiteral("«luogo.nome»");
        QTest::newRow("no longitude") << withValue("luogo", "longitudine", nullptr) << QStringLiteral("«luogo.longitudine»");
        QTest::newRow("no zone") << withValue("luogo", "fuso", nullptr) << QStringLiteral("«luogo.fuso»");
        QTest::newRow("no summer time") << withValue("luogo", "ora_legale", nullptr) << QStringLiteral("«luogo.ora_legale»");
        QTest::newRow("no declination") << withValue("piano", "declinazione", nullptr) << QStringLiteral("«piano.declinazione»");
        QTest::newRow("no inclination") << withValue("piano", "inclinazione", nullptr) << QStringLiteral("«piano.inclinazione»");
        QTest::newRow("no gnomon size") << withValue("gnomone", "altezza_mm", nullptr) << QStringLiteral("«gnomone.altezza_mm»");
        QTest::newRow("no plane") << withSection("piano", nullptr) << QStringLiteral("«piano»");
        QTest::newRow("no gnomon") << withSection("gnomone", nullptr) << QStringLiteral("«gnomone»");
        QTest::newRow("no plate") << withSection("lastra", nullptr) << QStringLiteral("«lastra»");
        QTest::newRow("no plate width") << withValue("lastra", "larghezza_mm", nullptr) << QStringLiteral("«lastra.larghezza_mm»");
        QTest::newRow("no plate height") << withValue("lastra", "altezza_mm", nullptr) << QStringLiteral("«lastra.altezza_mm»");
        QTest::newRow("no foot from the left") << withValue("lastra", "piede_da_sinistra_mm", nullptr)
                                               << QStringLiteral("«lastra.piede_da_sinistra_mm»");
        QTest::newRow("no foot from the top") << withValue("lastra", "piede_da_alto_mm", nullptr)
                                              << QStringLiteral("«lastra.piede_da_alto_mm»");
        // The lines of the Sun's place, the grid and the motto: 0 is none, else within limits.
        QTest::newRow("azimuth step 0.5") << withValue("linee", "azimut_passo", "0.5") << QStringLiteral("«linee.azimut_passo»");
        QTest::newRow("altitude step 91") << withValue("linee", "altezza_passo", "91") << QStringLiteral("«linee.altezza_passo»");
        QTest::newRow("altitude step negative") << withValue("linee", "altezza_passo", "-10") << QStringLiteral("«linee.altezza_passo»");
        QTest::newRow("grid of 4 mm squares") << withValue("opzioni", "griglia_mm", "4") << QStringLiteral("«opzioni.griglia_mm»");
        QTest::newRow("refraction as text") << withValue("opzioni", "rifrazione", R"("sì")") << QStringLiteral("«opzioni.rifrazione»");
        QTest::newRow("temporary hours as number") << withValue("ore", "temporarie", "1") << QStringLiteral("«ore.temporarie»");
        QTest::newRow("motto with a line break") << withValue("opzioni", "motto", R"("Sine\nsole")") << QStringLiteral("«opzioni.motto»");
        QTest::newRow("motto of 201 characters") << withValue("opzioni", "motto", ("\"" + std::string(201, 'a') + "\"").c_str())
                                                 << QStringLiteral("200 caratteri");
    }

    // Names a maker may well type: accents, symbols, XML's and DXF's own characters (each
    // escaped by its writer), up to 200 characters.
    void namesKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ampersand and brackets") << QStringLiteral("B&B <La> \"Meridiana\"");
        QTest::newRow("percent codes") << QStringLiteral("100%%d \\U+0041");
        QTest::newRow("accents and symbols") << QStringLiteral("Citt\u00e0 \u00d7 \u2600 \U0001F31E");
        QTest::newRow("200 characters") << QString(200, QChar(0x00e8));
    }
    void namesKept()
    {
        QFETCH(QString, name);
        project::Project p;
        p.placeName = name.toStdString();
        const auto read = project::ReadProject(project::WriteProject(p));
        QVERIFY2(read.ok, read.message.c_str());
        QCOMPARE(QString::fromStdString(read.project.placeName), name);
    }

    // A date given again is the same line: kept once, as first written. More distinct dates
    // than a plate can carry are refused in words (a thousand of them took minutes to export).
    void repeatedDatesMerged_data()
    {
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("kept"); // empty when refused
        QStringList thousand;
        for (int i = 0; i < 1000; ++i)
            thousand << QStringLiteral("21/06/2026");
        QTest::newRow("1000 copies of one date") << thousand << QStringList{"21/06/2026"};
        QTest::newRow("one day written two ways") << QStringList{"1/1/2032", "01/01/2032", "15/08/2031"}
                                                  << QStringList{"1/1/2032", "15/08/2031"};
        QStringList thirty, thirtyOne;
        for (int i = 1; i <= 31; ++i)
            thirtyOne << QStringLiteral("%1/01/2026").arg(i);
        thirty = thirtyOne.mid(0, 30);
        QTest::newRow("30 dates, the most") << thirty + thirty << thirty;
        QTest::newRow("31 dates") << thirtyOne << QStringList{};
    }
    void repeatedDatesMerged()
    {
        QFETCH(QStringList, days);
        QFETCH(QStringList, kept);
        const QString list = QStringLiteral("[\"") + days.join(QStringLiteral("\", \"")) + QStringLiteral("\"]");
        const auto read = project::ReadProject(withValue("date", "giorni", list.toUtf8().constData()).toStdString());
        QCOMPARE(read.ok, !kept.isEmpty());
        if (kept.isEmpty()) {
            QVERIFY2(QString::fromStdString(read.message).contains(QStringLiteral("Al massimo 30 date")), read.message.c_str());
            return;
        }
        QStringList got;
        for (const auto &d : read.project.days)
            got << QString::fromStdString(d);
        QCOMPARE(got, kept);
    }

    void newChoicesRoundTrip()
    {
        project::Project p;
        p.temporary = true;
        p.quarterHours = true;
        p.clock = true;
        p.localMean = true;
        p.azimuthStepDeg = 7.5;
        p.altitudeStepDeg = 10;
        p.refraction = true;
        p.gridMm = 50;
        p.motto = "Sine sole sileo & <tace>";
        const std::string text = project::WriteProject(p);
        const auto back = project::ReadProject(text);
        QVERIFY2(back.ok, back.message.c_str());
        QVERIFY(back.project.temporary && back.project.quarterHours && back.project.localMean && back.project.refraction);
        QCOMPARE(back.project.azimuthStepDeg, 7.5);
        QCOMPARE(back.project.altitudeStepDeg, 10.0);
        QCOMPARE(back.project.gridMm, 50.0);
        QCOMPARE(back.project.motto, p.motto);
        for (const char *key : {"\"temporarie\": true", "\"quarti\": true", "\"medie_locali\": true", "\"azimut_passo\": 7.5",
                                "\"altezza_passo\": 10.0", "\"rifrazione\": true", "\"griglia_mm\": 50.0"})
            QVERIFY2(text.find(key) != std::string::npos, key);
        // And what the engine is given.
        const auto inputs = project::ToDialSpec(back.project);
        QVERIFY(inputs.ok);
        QVERIFY(inputs.design.hours.temporary && inputs.design.hours.quarterHours && inputs.design.refraction);
        QCOMPARE(inputs.design.hours.clockKind, gnomonics::ClockKind::LocalMean);
        QCOMPARE(inputs.design.sky.azimuthStepDeg, 7.5);
    }

    // The kind of dial and its own sizes: written and read back; a file without them is a plane
    // dial; a dark room's plate may be 100 m long, any other's 20 m.
    void kindsOfDial()
    {
        project::Project p;
        p.kind = gnomonics::DialKind::DarkRoom;
        p.holeMm = 32;
        p.gnomonMm = 15000;
        p.plateHeightMm = 60000;
        p.footFromTopMm = 59000;
        p.wireNorthSouthMm = 141.5;
        p.semiAxisMm = 1800;
        const std::string text = project::WriteProject(p);
        QVERIFY(text.find("\"tipo\": \"camera_oscura\"") != std::string::npos);
        const auto back = project::ReadProject(text);
        QVERIFY2(back.ok, back.message.c_str());
        QCOMPARE(back.project.kind, gnomonics::DialKind::DarkRoom);
        QCOMPARE(back.project.holeMm, 32.0);
        QCOMPARE(back.project.wireNorthSouthMm, 141.5);
        QCOMPARE(back.project.semiAxisMm, 1800.0);
        QCOMPARE(project::ToDialSpec(back.project).design.darkRoom.holeMm, 32.0);
        // The same plate on a plane dial is refused, naming the key.
        nlohmann::json doc = nlohmann::json::parse(text);
        doc["tipo"] = "piano";
        const auto plane = project::ReadProject(doc.dump());
        QVERIFY(!plane.ok);
        QVERIFY2(QString::fromStdString(plane.message).contains(QStringLiteral("lastra.altezza_mm")), plane.message.c_str());
        // No kind, no sections of the kinds: a plane dial with the default sizes.
        doc.erase("tipo");
        for (const char *key : {"analemmatico", "bifilare", "camera_oscura"})
            doc.erase(key);
        doc["lastra"]["altezza_mm"] = 800;
        doc["lastra"]["piede_da_alto_mm"] = 200;
        const auto old = project::ReadProject(doc.dump());
        QVERIFY2(old.ok, old.message.c_str());
        QCOMPARE(old.project.kind, gnomonics::DialKind::Plane);
        QCOMPARE(old.project.holeMm, project::Project{}.holeMm);
        doc["tipo"] = "meridiana";
        const auto unknown = project::ReadProject(doc.dump());
        QVERIFY(!unknown.ok);
        QVERIFY2(QString::fromStdString(unknown.message).contains(QStringLiteral("«tipo»")), unknown.message.c_str());
        doc["tipo"] = "bifilare";
        doc["bifilare"] = {{"filo_est_ovest_mm", 0}};
        const auto noWire = project::ReadProject(doc.dump());
        QVERIFY(!noWire.ok);
        QVERIFY2(QString::fromStdString(noWire.message).contains(QStringLiteral("bifilare.filo_est_ovest_mm")), noWire.message.c_str());
    }

    // A file written before the temporary hours, the sky lines, refraction, the grid and the
    // motto opens with all of them off: today's geometric dial, unchanged.
    void fileWithoutNewChoices()
    {
        nlohmann::json doc = nlohmann::json::parse(project::WriteProject(project::Project{}));
        doc.erase("linee");
        doc.erase("opzioni");
        for (const char *key : {"temporarie", "quarti", "medie_locali"})
            doc["ore"].erase(key);
        const auto read = project::ReadProject(doc.dump());
        QVERIFY2(read.ok, read.message.c_str());
        const project::Project &q = read.project;
        QVERIFY(!q.temporary && !q.quarterHours && !q.localMean && !q.refraction);
        QCOMPARE(q.azimuthStepDeg, 0.0);
        QCOMPARE(q.altitudeStepDeg, 0.0);
        QCOMPARE(q.gridMm, 0.0);
        QVERIFY(q.motto.empty());
    }

    // A choice of hours or date lines left out is off: a file written before that choice
    // existed opens as it was drawn. The year and the analemma keep their defaults.
    void missingChoicesAreOff()
    {
        const auto noHours = project::ReadProject(withSection("ore", nullptr).toStdString());
        QVERIFY2(noHours.ok, noHours.message.c_str());
        QVERIFY(!noHours.project.apparent && !noHours.project.halfHours && !noHours.project.clock);
        QVERIFY(!noHours.project.italic && !noHours.project.babylonian);
        QCOMPARE(noHours.project.analemma, gnomonics::AnalemmaMode::Whole);
        const auto noDates = project::ReadProject(withSection("date", nullptr).toStdString());
        QVERIFY2(noDates.ok, noDates.message.c_str());
        QVERIFY(!noDates.project.solsticesEquinoxes && !noDates.project.zodiac && !noDates.project.monthFirsts);
        QVERIFY(noDates.project.days.empty());
        // Only the Italic hours given: they alone are on.
        const auto italicOnly = project::ReadProject(
            withSection("ore", R"({"italiche": true})").toStdString());
        QVERIFY2(italicOnly.ok, italicOnly.message.c_str());
        QVERIFY(italicOnly.project.italic && !italicOnly.project.apparent);
        // Apparent time left out but the solstices given: the dial has the date lines only.
        const auto noApparent = project::ReadProject(withValue("ore", "vere", nullptr).toStdString());
        QVERIFY2(noApparent.ok, noApparent.message.c_str());
        QVERIFY(!noApparent.project.apparent && noApparent.project.solsticesEquinoxes);
    }

    void refused()
    {
        QFETCH(QString, text);
        QFETCH(QString, named);
        const auto read = project::ReadProject(text.toStdString());
        QVERIFY(!read.ok);
        const QString message = QString::fromStdString(read.message);
        QVERIFY2(message.contains(named), qPrintable(message));
        QVERIFY(!message.contains(QStringLiteral("nan")) && !message.contains(QStringLiteral("inf")));
    }

    // The reader's refusals are whole sentences with the value, the limits and the key in
    // place, word for word as the maker has always read them.
    void refusalSentences_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("want");
        QTest::newRow("latitude 95") << withValue("luogo", "latitudine", "95")
                                     << QStringLiteral("Il valore di «luogo.latitudine» (95) è fuori dall'intervallo da -89,99 a 89,99.");
        QTest::newRow("nodus height 0") << withValue("gnomone", "altezza_mm", "0")
                                        << QStringLiteral("Il valore di «gnomone.altezza_mm» (0) deve essere maggiore di 0 e al massimo 20000.");
        // A value just past a limit keeps the digits that put it there, and one far out reads
        // as its power of ten rather than as an exponent in C's notation.
        QTest::newRow("latitude a hair past 89,99") << withValue("luogo", "latitudine", "89.9900001")
                                                    << QStringLiteral("Il valore di «luogo.latitudine» (89,9900001) è fuori dall'intervallo da -89,99 a 89,99.");
        QTest::newRow("nodus height a hair past 20000") << withValue("gnomone", "altezza_mm", "20000.0004")
                                                        << QStringLiteral("Il valore di «gnomone.altezza_mm» (20000,0004) deve essere maggiore di 0 e al massimo 20000.");
        QTest::newRow("latitude of seven digits") << withValue("luogo", "latitudine", "1234567.25")
                                                  << QStringLiteral("Il valore di «luogo.latitudine» (1234567,25) è fuori dall'intervallo da -89,99 a 89,99.");
        QTest::newRow("latitude 1e300") << withValue("luogo", "latitudine", "-2.5e300")
                                        << QStringLiteral("Il valore di «luogo.latitudine» (-2,5 × 10^300) è fuori dall'intervallo da -89,99 a 89,99.");
        QTest::newRow("nodus height -1e-300") << withValue("gnomone", "altezza_mm", "-1e-300")
                                              << QStringLiteral("Il valore di «gnomone.altezza_mm» (-1 × 10^-300) deve essere maggiore di 0 e al massimo 20000.");
        QTest::newRow("year 1500") << withValue("ore", "anno", "1500")
                                   << QStringLiteral("Il valore di «ore.anno» (1500) è fuori dall'intervallo da 1600 a 2400.");
        QTest::newRow("latitude as text") << withValue("luogo", "latitudine", R"("45")")
                                          << QStringLiteral("Il valore di «luogo.latitudine» deve essere un numero.");
        QTest::newRow("summer time as number") << withValue("luogo", "ora_legale", "1")
                                               << QStringLiteral("Il valore di «luogo.ora_legale» deve essere true o false.");
        QTest::newRow("name as number") << withValue("luogo", "nome", "5") << QStringLiteral("Il valore di «luogo.nome» deve essere un testo.");
        QTest::newRow("section as list") << withSection("piano", "[1]") << QStringLiteral("La sezione «piano» deve essere un oggetto JSON.");
        QTest::newRow("31 February") << withValue("date", "giorni", R"(["31/02/2026"])")
                                     << QStringLiteral("La data «31/02/2026» in «date.giorni» non esiste o è fuori dagli anni 1600-2400.");
        QTest::newRow("version 0") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 0})")
                                   << QStringLiteral("Il valore di «versione» (0) non è valido.");
        QTest::newRow("version 9") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 9})")
                                   << QStringLiteral("Il progetto è stato scritto da una versione più recente di Horalo (versione 9); "
                                                     "questa versione legge fino alla versione 1.");
        QTest::newRow("cut after byte 10") << QStringLiteral(R"({"formato")")
                                        << QStringLiteral("Il file è troncato o non è JSON valido (al carattere 11).");
    }
    void refusalSentences()
    {
        QFETCH(QString, text);
        QFETCH(QString, want);
        const auto read = project::ReadProject(text.toStdString());
        QVERIFY(!read.ok);
        QCOMPARE(QString::fromStdString(read.message), want);
    }

    // A day kept in a project but beyond the years the engine draws: the designer says which.
    void dayBeyondTheYearsIsNamed()
    {
        project::Project p;
        p.days = {"15/08/2500"};
        const project::SpecResult inputs = project::ToDialSpec(p);
        QVERIFY(!inputs.ok);
        QCOMPARE(inputs.key, std::string("giorni"));
        QCOMPARE(QString::fromStdString(inputs.message), QStringLiteral("La data «15/08/2500» non esiste o è fuori dagli anni 1600-2400."));
    }

    // Lists nested deeper than a project ever is are refused on the bytes, before the JSON
    // library recurses into them (70 000 levels overflowed its stack); a kept unknown key
    // nested within the limit survives a save.
    void nesting_data()
    {
        QTest::addColumn<int>("depth"); // levels inside the unknown key "x"
        QTest::addColumn<bool>("accepted");
        QTest::newRow("70 000 levels") << 70000 << false;
        QTest::newRow("one past the limit") << 64 << false;
        QTest::newRow("at the limit") << 63 << true;
        QTest::newRow("shallow") << 3 << true;
    }
    void nesting()
    {
        QFETCH(int, depth);
        QFETCH(bool, accepted);
        project::Project defaults;
        std::string text = project::WriteProject(defaults);
        // With the document itself, depth + 1 levels.
        const std::string nested = std::string(static_cast<std::size_t>(depth), '[') + std::string(static_cast<std::size_t>(depth), ']');
        text.insert(1, "\"x\": " + nested + ", \"nota\": \"[[[[ {{{{ non conta\", ");
        const auto read = project::ReadProject(text);
        QCOMPARE(read.ok, accepted);
        if (!accepted) {
            QVERIFY2(QString::fromStdString(read.message).contains(QStringLiteral("64 livelli")), read.message.c_str());
            return;
        }
        const auto back = project::ReadProject(project::WriteProject(read.project));
        QVERIFY2(back.ok, back.message.c_str());
        QCOMPARE(project::ExtraObject(back.project, "nota"), std::string("\"[[[[ {{{{ non conta\""));
    }

    // Apri and the command line open only a regular file of project size: a folder, a
    // device that never ends or a FIFO nobody writes to is named for what it is, at once.
    void onlyRegularFilesOpen_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("said");
        QTest::newRow("folder") << QStringLiteral("@dir") << QStringLiteral("cartella");
        QTest::newRow("endless device") << QStringLiteral("/dev/zero") << QStringLiteral("non è un file ordinario");
        QTest::newRow("FIFO") << QStringLiteral("@fifo") << QStringLiteral("non è un file ordinario");
        QTest::newRow("2 MB") << QStringLiteral("@big") << QStringLiteral("troppo grande");
        QTest::newRow("missing") << QStringLiteral("@missing") << QStringLiteral("Impossibile aprire");
    }
    void onlyRegularFilesOpen()
    {
        QFETCH(QString, path);
        QFETCH(QString, said);
        QTemporaryDir dir;
        if (path == QLatin1String("@dir")) {
            path = dir.path();
        } else if (path == QLatin1String("@fifo")) {
            path = dir.filePath(QStringLiteral("coda"));
            QVERIFY(::mkfifo(path.toLocal8Bit().constData(), 0600) == 0);
        } else if (path == QLatin1String("@big")) {
            path = dir.filePath(QStringLiteral("grande.horalo"));
            std::ofstream(path.toStdString()) << std::string(2 * 1024 * 1024, ' ');
        } else if (path == QLatin1String("@missing")) {
            path = dir.filePath(QStringLiteral("manca.horalo"));
        }
        const auto read = project::LoadProject(path.toStdString());
        QVERIFY(!read.ok);
        QVERIFY2(QString::fromStdString(read.message).contains(said), read.message.c_str());
    }

    void saveIsAtomicAndLeavesNothingElse()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + QStringLiteral("/prova.horalo")).toStdString();
        std::string error;
        QVERIFY(project::SaveProject(path, project::Project{}, &error));
        QVERIFY(project::SaveProject(path, project::Project{}, &error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(project::LoadProject(path).ok);
        // A folder that does not exist: refused, nothing written.
        QVERIFY(!project::SaveProject(dir.path().toStdString() + "/manca/prova.horalo", project::Project{}, &error));
        QVERIFY(!error.empty());
    }

    // Saving onto a symbolic link writes the file it leads to, as editors do: the link stays
    // a link. A name as long as a name can be (255 bytes) is written too: the temporary file
    // beside it has a short name of its own.
    void saveThroughLinksAndLongNames_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a file") << "link";
        QTest::newRow("link to a link to a file") << "chain";
        QTest::newRow("link to a file not yet made") << "dangling";
        QTest::newRow("name of 255 bytes") << "long";
    }
    void saveThroughLinksAndLongNames()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("vero")));
        const QString target = dir.filePath(QStringLiteral("vero/progetto.horalo"));
        QString saved = dir.filePath(QStringLiteral("collegamento.horalo"));
        if (kind != QLatin1String("dangling") && kind != QLatin1String("long"))
            std::ofstream(target.toStdString()) << "vecchio";
        if (kind == QLatin1String("link") || kind == QLatin1String("dangling")) {
            QVERIFY(::symlink("vero/progetto.horalo", saved.toLocal8Bit().constData()) == 0);
        } else if (kind == QLatin1String("chain")) {
            QVERIFY(::symlink("vero/progetto.horalo", dir.filePath(QStringLiteral("primo.horalo")).toLocal8Bit().constData()) == 0);
            QVERIFY(::symlink(dir.filePath(QStringLiteral("primo.horalo")).toLocal8Bit().constData(), saved.toLocal8Bit().constData()) == 0);
        } else {
            saved = dir.filePath(QString(255 - 7, QLatin1Char('q')) + QStringLiteral(".horalo"));
        }
        project::Project p;
        p.placeName = "Collegata";
        std::string error;
        QVERIFY2(project::SaveProject(saved.toStdString(), p, &error), error.c_str());
        const QString written = kind == QLatin1String("long") ? saved : target;
        const auto back = project::LoadProject(written.toStdString());
        QVERIFY2(back.ok, back.message.c_str());
        QCOMPARE(back.project.placeName, std::string("Collegata"));
        if (kind != QLatin1String("long"))
            QVERIFY(QFileInfo(saved).isSymLink());
        // Nothing else left beside the file: no temporary file.
        QStringList everything = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        everything += QDir(dir.filePath(QStringLiteral("vero"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : everything)
            QVERIFY2(!name.contains(QStringLiteral("tmp")), qPrintable(name));
    }

    void defaultsDrawTheDefaultDial()
    {
        const auto design = project::ToDialSpec(project::Project{});
        QVERIFY(design.ok);
        // The plate 1000 x 800 mm with the foot 500 mm from the left and 200 mm from the top.
        QCOMPARE(design.design.plate.leftMm, -500.0);
        QCOMPARE(design.design.plate.rightMm, 500.0);
        QCOMPARE(design.design.plate.topMm, 200.0);
        QCOMPARE(design.design.plate.bottomMm, -600.0);
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "test_projectfile.moc"
