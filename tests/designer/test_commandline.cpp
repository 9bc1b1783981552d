#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

const QString kGoodProject = QStringLiteral(
    R"({"formato": "horalo-quadrante", "versione": 1, "luogo": {"nome": "Milano", "latitudine": 45.4642, "longitudine": 9.19, "fuso": 1, "ora_legale": false}, "piano": {"declinazione": 0, "inclinazione": 0}, "gnomone": {"altezza_mm": 100}, "ore": {"vere": true, "mezze": false, "civili": false, "analemma": "intero", "anno": 2026, "italiche": false, "babiloniche": false}, "date": {"solstizi_equinozi": true, "zodiaco": false, "mesi": false, "giorni": ["21/06/2026"]}, "lastra": {"larghezza_mm": 1000, "altezza_mm": 800, "piede_da_sinistra_mm": 500, "piede_da_alto_mm": 200}})");

QString writeProject(const QTemporaryDir &dir, const QString &text = kGoodProject)
{
    const QString file = dir.filePath(QStringLiteral("p.horalo"));
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(text.toUtf8());
    return file;
}

// The names in a folder as the system spells them, bytes and all.
std::vector<std::string> rawNames(const QString &folder)
{
    std::vector<std::string> names;
    if (DIR *d = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *e = ::readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    return names;
}

// The first bytes a file of each format starts with.
QByteArray startOf(const QString &format)
{
    if (format == QLatin1String("pdf"))
        return QByteArrayLiteral("%PDF");
    if (format == QLatin1String("svg"))
        return QByteArrayLiteral("<?xml");
    if (format == QLatin1String("csv"))
        return QByteArrayLiteral("tipo;etichetta");
    return QByteArrayLiteral("999\ndxflib"); // the library's comment, then the sections
}

} // namespace

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
        QTest::newRow("version 2^64 - 1") << QStringLiteral(R"({"formato": "horalo-quadrante", "versione": 18446744073709551615})")
                                          << QStringLiteral("q.csv") << 2 << QStringLiteral("(versione 18446744073709551615)");
        // A folder that is not there: the reason, not only "not written".
        QTest::newRow("pdf into a missing folder") << good << QStringLiteral("manca/q.pdf") << 2
                                                   << QStringLiteral("Impossibile scrivere nella cartella di «");
        QTest::newRow("svg into a missing folder") << good << QStringLiteral("manca/q.svg") << 2
                                                   << QStringLiteral("Impossibile scrivere nella cartella di «");
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

    // An export onto a symbolic link writes the file it leads to, as editors do; the link
    // stays a link, and nothing is left beside either.
    void exportThroughASymbolicLink_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("targetExists");
        for (const char *format : {"csv", "dxf", "svg", "pdf"}) {
            QTest::addRow("%s onto a link to an older file", format) << QString::fromLatin1(format) << true;
            QTest::addRow("%s onto a link to a file not yet made", format) << QString::fromLatin1(format) << false;
        }
    }
    void exportThroughASymbolicLink()
    {
        QFETCH(QString, format);
        QFETCH(bool, targetExists);
        QTemporaryDir dir;
        const QString project = writeProject(dir);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("vero")));
        const QString target = dir.filePath(QStringLiteral("vero/quadrante.") + format);
        if (targetExists) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("vecchio");
        }
        const QString link = dir.filePath(QStringLiteral("collegamento.") + format);
        QVERIFY(::symlink(("vero/quadrante." + format).toLocal8Bit().constData(), QFile::encodeName(link).constData()) == 0);
        QProcess horalo;
        horalo.start(QStringLiteral(HORALO_BINARY), {QStringLiteral("--export"), link, project});
        QVERIFY(horalo.waitForFinished(60000));
        QVERIFY2(horalo.exitCode() == 0, horalo.readAllStandardError().constData());
        QVERIFY(QFileInfo(link).isSymLink());
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith(startOf(format)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("vero"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
    }

    // Under a limit on the size of the files it may write (ulimit -f 4, 4 KiB) an export larger
    // than that is refused in words with exit 2, never killed by the system's signal, and the
    // file that was there keeps every byte.
    void exportBeyondTheFileSizeLimit_data()
    {
        QTest::addColumn<QString>("format");
        for (const char *format : {"csv", "dxf", "svg", "pdf"})
            QTest::newRow(format) << QString::fromLatin1(format);
    }
    void exportBeyondTheFileSizeLimit()
    {
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString project = writeProject(dir);
        const QString out = dir.filePath(QStringLiteral("uscita.") + format);
        {
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("vecchio");
        }
        QProcess horalo;
        horalo.setChildProcessModifier([] {
            rlimit small{};
            small.rlim_cur = small.rlim_max = 4096;
            ::setrlimit(RLIMIT_FSIZE, &small);
        });
        horalo.start(QStringLiteral(HORALO_BINARY), {QStringLiteral("--export"), out, project});
        QVERIFY(horalo.waitForFinished(60000));
        const QString err = QString::fromUtf8(horalo.readAllStandardError());
        QCOMPARE(horalo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(horalo.exitCode(), 2);
        QVERIFY2(err.contains(QStringLiteral("non è stato scritto: il file supera la dimensione più grande che si può scrivere qui")),
                 qPrintable(err));
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("vecchio"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    }

    // An output that is not a file (a folder, a FIFO) is never replaced by one: the export says
    // what stands there, exits 2 and leaves it as it was, with nothing beside it. Run by the
    // system's administrator, an export onto /dev/full once put a file in the device's place.
    void exportOntoWhatIsNotAFile_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("said");
        for (const char *format : {"csv", "dxf", "svg", "pdf"}) {
            QTest::addRow("%s onto a folder", format) << QString::fromLatin1(format) << false << QStringLiteral("è una cartella");
            QTest::addRow("%s onto a FIFO", format) << QString::fromLatin1(format) << true
                                                    << QStringLiteral("non è un file ordinario");
        }
    }
    void exportOntoWhatIsNotAFile()
    {
        QFETCH(QString, format);
        QFETCH(bool, fifo);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString project = writeProject(dir);
        const QString out = dir.filePath(QStringLiteral("uscita.") + format);
        if (fifo)
            QVERIFY(::mkfifo(QFile::encodeName(out).constData(), 0644) == 0);
        else
            QVERIFY(QDir(dir.path()).mkdir(QFileInfo(out).fileName()));
        QProcess horalo;
        horalo.start(QStringLiteral(HORALO_BINARY), {QStringLiteral("--export"), out, project});
        QVERIFY(horalo.waitForFinished(60000));
        const QString err = QString::fromUtf8(horalo.readAllStandardError());
        QCOMPARE(horalo.exitCode(), 2);
        QVERIFY2(err.contains(said), qPrintable(err));
        const QFileInfo left(out);
        QVERIFY(fifo ? !left.isFile() && !left.isDir() && left.exists() : left.isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 2);
    }

    // An output name as long as a name can be (255 bytes, the extension included) is written
    // under that name; the temporary file beside it has a short name of its own.
    void longOutputName_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("bytes");
        for (const char *format : {"csv", "dxf", "svg", "pdf"}) {
            QTest::addRow("%s, 244 bytes", format) << QString::fromLatin1(format) << 244;
            QTest::addRow("%s, 255 bytes", format) << QString::fromLatin1(format) << 255;
        }
    }
    void longOutputName()
    {
        QFETCH(QString, format);
        QFETCH(int, bytes);
        QTemporaryDir dir;
        const QString project = writeProject(dir);
        const QString name = QString(bytes - 4, QLatin1Char('q')) + QLatin1Char('.') + format;
        QProcess horalo;
        horalo.start(QStringLiteral(HORALO_BINARY), {QStringLiteral("--export"), dir.filePath(name), project});
        QVERIFY(horalo.waitForFinished(60000));
        QVERIFY2(horalo.exitCode() == 0, horalo.readAllStandardError().constData());
        QFile written(dir.filePath(name));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith(startOf(format)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    }

    // A name that is not UTF-8 (a Latin-1 "é", byte 0xE9) is written under those very bytes,
    // and a project file so named is read.
    void nonUtf8Names_data()
    {
        QTest::addColumn<QString>("format");
        for (const char *format : {"csv", "dxf", "svg", "pdf"})
            QTest::addRow("%s", format) << QString::fromLatin1(format);
    }
    void nonUtf8Names()
    {
        QFETCH(QString, format);
        QTemporaryDir dir;
        const std::string folder = QFile::encodeName(dir.path()).toStdString();
        const std::string projectName = folder + "/progetto-\xe9.horalo";
        {
            QFile f;
            QVERIFY(f.open(::fopen(projectName.c_str(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            f.write(kGoodProject.toUtf8());
        }
        const std::string out = "quadrante-\xe9." + format.toStdString();
        // The shell hands the program the bytes as they are; QProcess would encode them.
        QProcess horalo;
        horalo.setWorkingDirectory(dir.path());
        horalo.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"),
                                               QStringLiteral("exec \"$0\" --export \"$(printf 'quadrante-\\351.%1')\" \"$(printf 'progetto-\\351.horalo')\"").arg(format),
                                               QStringLiteral(HORALO_BINARY)});
        QVERIFY(horalo.waitForFinished(60000));
        QVERIFY2(horalo.exitCode() == 0, horalo.readAllStandardError().constData());
        const std::vector<std::string> names = rawNames(dir.path());
        QVERIFY2(std::find(names.begin(), names.end(), out) != names.end(), "the file is not under its own name");
        QCOMPARE(names.size(), std::size_t(2));
    }

    // Without any display a mistyped option is named and the program ends with 2, before it
    // makes anything graphical (Qt used to abort on the platform it could not load); so is a
    // project to open in a window that cannot be shown.
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("--exprot") << QStringList{"--exprot", "q.pdf", "p.horalo"} << "horalo: Opzione sconosciuta 'exprot'.";
        QTest::newRow("--exprot in English") << QStringList{"--lang", "en", "--exprot", "q.pdf"} << "horalo: Unknown option 'exprot'.";
        QTest::newRow("-x") << QStringList{"-x"} << "horalo: Opzione sconosciuta 'x'.";
        QTest::newRow("a project, no export")
            << QStringList{"p.horalo"} << "horalo: Nessuno schermo su cui aprire le finestre; per scrivere un quadrante senza finestre";
    }
    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QTemporaryDir dir;
        writeProject(dir);
        QProcess horalo;
        horalo.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(variable));
        horalo.setProcessEnvironment(env);
        horalo.start(QStringLiteral(HORALO_BINARY), arguments);
        QVERIFY(horalo.waitForFinished(60000));
        const QString err = QString::fromUtf8(horalo.readAllStandardError());
        QCOMPARE(horalo.exitStatus(), QProcess::NormalExit);
        QVERIFY2(horalo.exitCode() == 2, qPrintable(err));
        QVERIFY2(err.startsWith(said), qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("qt.qpa")) && !err.contains(QStringLiteral("platform plugin")), qPrintable(err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void versionAndHelp_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("version") << QStringList{"--version"} << "Horalo 2002 2002.1";
        QTest::newRow("help in Italian") << QStringList{"--help", "--lang", "it"} << "-h, --help       Mostra questo aiuto.";
        QTest::newRow("help in English") << QStringList{"-h", "--lang=en"} << "-h, --help       Shows this help.";
        QTest::newRow("help lists the export") << QStringList{"--help", "--lang", "it"} << "--export <FILE>";
        QTest::newRow("project argument in Italian") << QStringList{"--help", "--lang", "it"}
                                                     << "  progetto         Progetto del quadrante (*.horalo) da aprire.";
        QTest::newRow("project argument in English") << QStringList{"--help", "--lang", "en"}
                                                     << "  project          Dial project (*.horalo) to open.";
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

    // The program starts with its menus only and loads the rest the first time it is asked
    // for: each window comes up from the program itself, and a project given on the command
    // line opens in the designer.
    void windowsOfTheSecondPartOpen_data()
    {
        QTest::addColumn<QString>("asked");      // HORALO_QUIT_WHEN_SHOWN
        QTest::addColumn<bool>("withProject");
        QTest::addColumn<QString>("shown");
        QTest::newRow("main menu") << "1" << false << "Meridiane";
        QTest::newRow("a sheet") << "GonOrz" << false << "GonOrz";
        QTest::newRow("an example drawing") << "DisCurveZ" << false << "DisCurveZ";
        QTest::newRow("the full-scale drawing") << "Disegno" << false << "Disegno";
        QTest::newRow("a warning") << "erroreStilo" << false << "erroreStilo";
        QTest::newRow("the wall survey") << "Rilievo" << false << "Rilievo";
        QTest::newRow("the designer") << "Quadrante" << false << "Quadrante";
        QTest::newRow("the manual, no second part needed") << "Manuale" << false << "Manuale";
        QTest::newRow("a project on the command line") << "1" << true << "Quadrante";
    }
    void windowsOfTheSecondPartOpen()
    {
        QFETCH(QString, asked);
        QFETCH(bool, withProject);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QTemporaryDir settings;
        QProcess horalo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
        env.insert(QStringLiteral("HORALO_QUIT_WHEN_SHOWN"), asked);
        horalo.setProcessEnvironment(env);
        horalo.start(QStringLiteral(HORALO_BINARY), withProject ? QStringList{writeProject(dir)} : QStringList());
        QVERIFY(horalo.waitForFinished(60000));
        const QString err = QString::fromUtf8(horalo.readAllStandardError());
        QCOMPARE(horalo.exitStatus(), QProcess::NormalExit);
        QVERIFY2(horalo.exitCode() == 0, qPrintable(err));
        QCOMPARE(QString::fromUtf8(horalo.readAllStandardOutput()).trimmed(), QStringLiteral("shown ") + shown);
    }

    // The program without its second part beside it (a broken installation) says so, exits 2
    // and writes nothing.
    void withoutTheSecondPart()
    {
        QTemporaryDir dir;
        const QString alone = dir.filePath(QStringLiteral("horalo"));
        QVERIFY(QFile::copy(QStringLiteral(HORALO_BINARY), alone));
        QProcess horalo;
        horalo.start(alone, {QStringLiteral("--export"), dir.filePath(QStringLiteral("q.svg")), writeProject(dir)});
        QVERIFY(horalo.waitForFinished(60000));
        const QString err = QString::fromUtf8(horalo.readAllStandardError());
        QCOMPARE(horalo.exitStatus(), QProcess::NormalExit);
        QVERIFY2(horalo.exitCode() == 2, qPrintable(err));
        QVERIFY2(err.startsWith(QStringLiteral("horalo: Manca una parte del programma: calcoli, disegni, Quadrante e rilievo non si possono aprire.")),
                 qPrintable(err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("q.svg"))));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
