#include "project/projectfile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

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
        const auto read = project::ReadProject(
            R"({"formato": "horalo-quadrante", "versione": 1, "colore": "rosso", "luogo": {"latitudine": 40, "quota": 120}})");
        QVERIFY2(read.ok, read.message.c_str());
        const std::string text = project::WriteProject(read.project);
        QVERIFY(text.find("\"colore\": \"rosso\"") != std::string::npos);
        QVERIFY(text.find("\"quota\": 120") != std::string::npos);
        QCOMPARE(project::ReadProject(text).project.latitudeDeg, 40.0);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named"); // what the message must name
        const QString head = QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 1, )");
        QTest::newRow("newer version") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 2})")
                                       << QStringLiteral("versione più recente");
        QTest::newRow("truncated") << head + QStringLiteral(R"("luogo": {"latitudine": 45)") << QStringLiteral("troncato");
        QTest::newRow("empty file") << QString() << QStringLiteral("vuoto");
        QTest::newRow("other format") << QStringLiteral(R"({"formato": "altro", "versione": 1})") << QStringLiteral("formato");
        QTest::newRow("version as text") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": "1"})")
                                         << QStringLiteral("versione");
        QTest::newRow("latitude as text") << head + QStringLiteral(R"("luogo": {"latitudine": "45"}})")
                                          << QStringLiteral("luogo.latitudine");
        QTest::newRow("latitude 90") << head + QStringLiteral(R"("luogo": {"latitudine": 90}})") << QStringLiteral("luogo.latitudine");
        QTest::newRow("latitude just past 89.99") << head + QStringLiteral(R"("luogo": {"latitudine": -89.991}})")
                                                  << QStringLiteral("luogo.latitudine");
        QTest::newRow("zone 15") << head + QStringLiteral(R"("luogo": {"fuso": 15}})") << QStringLiteral("luogo.fuso");
        QTest::newRow("summer time as number") << head + QStringLiteral(R"("luogo": {"ora_legale": 1}})")
                                               << QStringLiteral("luogo.ora_legale");
        QTest::newRow("plane facing the ground") << head + QStringLiteral(R"("piano": {"inclinazione": -85}})")
                                                 << QStringLiteral("piano.inclinazione");
        QTest::newRow("declination 181") << head + QStringLiteral(R"("piano": {"declinazione": 181}})")
                                         << QStringLiteral("piano.declinazione");
        QTest::newRow("nodus height 0") << head + QStringLiteral(R"("gnomone": {"altezza_mm": 0}})") << QStringLiteral("gnomone.altezza_mm");
        QTest::newRow("both gnomon sizes") << head + QStringLiteral(R"("gnomone": {"altezza_mm": 1, "stilo_mm": 2}})")
                                           << QStringLiteral("gnomone");
        QTest::newRow("analemma unknown") << head + QStringLiteral(R"("ore": {"analemma": "doppio"}})") << QStringLiteral("ore.analemma");
        QTest::newRow("year 2201") << head + QStringLiteral(R"("ore": {"anno": 2201}})") << QStringLiteral("ore.anno");
        QTest::newRow("year with decimals") << head + QStringLiteral(R"("ore": {"anno": 2026.5}})") << QStringLiteral("ore.anno");
        QTest::newRow("31 February") << head + QStringLiteral(R"("date": {"giorni": ["31/02/2026"]}})") << QStringLiteral("31/02/2026");
        QTest::newRow("days not a list") << head + QStringLiteral(R"("date": {"giorni": "21/06/2026"}})") << QStringLiteral("date.giorni");
        QTest::newRow("plate 9.9 mm") << head + QStringLiteral(R"("lastra": {"larghezza_mm": 9.9}})") << QStringLiteral("lastra.larghezza_mm");
        QTest::newRow("section not an object") << head + QStringLiteral(R"("lastra": 5})") << QStringLiteral("lastra");
        QTest::newRow("number beyond a double") << head + QStringLiteral(R"("luogo": {"latitudine": 1e400}})")
                                                << QStringLiteral("numero troppo grande");
        QTest::newRow("number beyond a double, negative") << head + QStringLiteral(R"("lastra": {"larghezza_mm": -1e999}})")
                                                          << QStringLiteral("numero troppo grande");
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
