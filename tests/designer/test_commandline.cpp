#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The command line as a script or the checking harness uses it: horalo --export OUT FILE.horalo
// writes OUT and exits 0, or says why in Italian on standard error, exits 2 and leaves no OUT.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportExitCodes_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said"); // part of the message on stderr
        const QString good = QStringLiteral(
            R"({"formato": "horalo-quadrante", "versione": 1, "luogo": {"nome": "Milano", "latitudine": 45.4642, "longitudine": 9.19, "fuso": 1, "ora_legale": false}, "piano": {"declinazione": 0, "inclinazione": 0}, "gnomone": {"altezza_mm": 100}, "ore": {"vere": true, "mezze": false, "civili": false, "analemma": "intero", "anno": 2026, "italiche": false, "babiloniche": false}, "date": {"solstizi_equinozi": true, "zodiaco": false, "mesi": false, "giorni": ["21/06/2026"]}, "lastra": {"larghezza_mm": 1000, "altezza_mm": 800, "piede_da_sinistra_mm": 500, "piede_da_alto_mm": 200}})");
        QTest::newRow("csv") << good << QStringLiteral("q.csv") << 0 << QString();
        QTest::newRow("dxf") << good << QStringLiteral("q.dxf") << 0 << QString();
        QTest::newRow("svg") << good << QStringLiteral("q.svg") << 0 << QString();
        QTest::newRow("pdf, upper-case extension") << good << QStringLiteral("q.PDF") << 0 << QString();
        QTest::newRow("unknown extension") << good << QStringLiteral("q.png") << 2 << QStringLiteral("Formato di uscita");
        QTest::newRow("newer version") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 7})")
                                       << QStringLiteral("q.csv") << 2 << QStringLiteral("versione più recente");
        QTest::newRow("truncated") << good.left(120) << QStringLiteral("q.csv") << 2 << QStringLiteral("troncato");
        QTest::newRow("latitude as text") << QString(good).replace(QStringLiteral("45.4642"), QStringLiteral("\"45\""))
                                          << QStringLiteral("q.pdf") << 2 << QStringLiteral("luogo.latitudine");
        QTest::newRow("plate too small") << QString(good).replace(QStringLiteral("\"larghezza_mm\": 1000"), QStringLiteral("\"larghezza_mm\": 5"))
                                         << QStringLiteral("q.svg") << 2 << QStringLiteral("lastra.larghezza_mm");
        QTest::newRow("style length on a polar dial")
            << QString(good).replace(QStringLiteral("\"altezza_mm\": 100"), QStringLiteral("\"stilo_mm\": 100"))
                   .replace(QStringLiteral("\"declinazione\": 0"), QStringLiteral("\"declinazione\": 90"))
                   .replace(QStringLiteral("45.4642"), QStringLiteral("0"))
            << QStringLiteral("q.dxf") << 2 << QStringLiteral("polare");
        QTest::newRow("unknown key nested 70 000 levels deep")
            << QString(good).insert(1, QStringLiteral("\"x\": ") + QString(70000, QLatin1Char('[')) + QString(70000, QLatin1Char(']')) +
                                           QStringLiteral(", "))
            << QStringLiteral("q.svg") << 2 << QStringLiteral("64 livelli");
    }
    void exportExitCodes()
    {
        QFETCH(QString, project);
        QFETCH(QString, out);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.horalo"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(project.toUtf8());
        f.close();
        QProcess horalo;
        // As from a script or a service: no runtime folder, so Qt has something to say about it.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        horalo.setProcessEnvironment(env);
        horalo.start(QStringLiteral(HORALO_BINARY), {QStringLiteral("--export"), dir.filePath(out), file});
        QVERIFY(horalo.waitForFinished(60000));
        QCOMPARE(horalo.exitStatus(), QProcess::NormalExit);
        const QString err = QString::fromUtf8(horalo.readAllStandardError());
        QVERIFY2(horalo.exitCode() == exitCode, qPrintable(err));
        QCOMPARE(QFile::exists(dir.filePath(out)), exitCode == 0);
        if (exitCode == 0) {
            QVERIFY(QFileInfo(dir.filePath(out)).size() > 1000);
            QVERIFY2(err.isEmpty(), qPrintable(QStringLiteral("a successful export says: ") + err));
        } else
            QVERIFY2(err.contains(said), qPrintable(err));
        // Nothing else left in the folder: no temporary file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), exitCode == 0 ? 2 : 1);
    }

    void missingProjectFile()
    {
        QTemporaryDir dir;
        QProcess horalo;
        horalo.start(QStringLiteral(HORALO_BINARY),
                     {QStringLiteral("--export"), dir.filePath(QStringLiteral("q.csv")), dir.filePath(QStringLiteral("manca.horalo"))});
        QVERIFY(horalo.waitForFinished(60000));
        QCOMPARE(horalo.exitCode(), 2);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("q.csv"))));
    }

    void versionAndHelp_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("version") << QStringList{"--version"} << "Horalo 2002 2002.1";
        QTest::newRow("help in Italian") << QStringList{"--help", "--lang", "it"} << "-h, --help       Mostra questo aiuto.";
        QTest::newRow("help in English") << QStringList{"-h", "--lang=en"} << "-h, --help       Shows this help.";
        QTest::newRow("help lists the export") << QStringList{"--help", "--lang", "it"} << "--export <FILE>";
    }
    void versionAndHelp()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QProcess horalo;
        horalo.start(QStringLiteral(HORALO_BINARY), arguments);
        QVERIFY(horalo.waitForFinished(60000));
        QCOMPARE(horalo.exitCode(), 0);
        const QString out = QString::fromUtf8(horalo.readAllStandardOutput());
        QVERIFY2(out.contains(said), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
