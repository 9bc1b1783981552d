// Printer faults through the real CUPS server, from a sheet's "Stampa" and from "Stampa 1:1":
// a queue that rejects jobs and a server that listens but never answers end in the failure
// message, never in "Stampa inviata"; a paused queue takes the job and says it waits, and the
// job comes out once the queue is enabled again. The windows stay served while the server is
// waited for, and no field changes. The queue is put back as it was, whatever happens.

#include "drawingtesting.h"
#include "pdfreadback.h"
#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"
#include "drawing/qt/drawingprint.h"

#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QProcess>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// What the user is told, in order, including the paused queue's own message.
class OutcomeRecorder final : public sheet::PrintNotifier {
public:
    QStringList messages;
    OutcomeRecorder() { previous_ = sheet::setPrintNotifier(this); }
    ~OutcomeRecorder() override { sheet::setPrintNotifier(previous_); }
    void printSent(QWidget *) override { messages << sheet::kPrintSent; }
    void printFailed(QWidget *) override { messages << sheet::kPrintFailed; }
    void printHeld(QWidget *) override { messages << sheet::kPrintHeld; }

private:
    sheet::PrintNotifier *previous_ = nullptr;
};

class YesToTiles final : public drawing::TilePrintDialogs {
public:
    QStringList questions;
    YesToTiles() { previous_ = drawing::setTilePrintDialogs(this); }
    ~YesToTiles() override { drawing::setTilePrintDialogs(previous_); }
    bool confirm(QWidget *, const QString &question) override
    {
        questions << question;
        return true;
    }
    void refuse(QWidget *, const QString &) override {}

private:
    drawing::TilePrintDialogs *previous_ = nullptr;
};

bool run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Puts the queue in a fault for as long as it lives, and back when it goes.
class QueueFault {
public:
    QueueFault(const QString &queue, const QString &breakWith, const QString &mendWith)
        : queue_(queue), mendWith_(mendWith)
    {
        ok_ = run(breakWith, {queue});
    }
    ~QueueFault() { mend(); }
    bool ok() const { return ok_; }
    void mend()
    {
        if (ok_)
            run(mendWith_, {queue_});
        ok_ = false;
    }

private:
    QString queue_;
    QString mendWith_;
    bool ok_ = false;
};

// Points the printing of this process at another server for as long as it lives.
class ServerAddress {
public:
    explicit ServerAddress(const QByteArray &address) : had_(qEnvironmentVariableIsSet("CUPS_SERVER")), old_(qgetenv("CUPS_SERVER"))
    {
        qputenv("CUPS_SERVER", address);
    }
    ~ServerAddress()
    {
        if (had_)
            qputenv("CUPS_SERVER", old_);
        else
            qunsetenv("CUPS_SERVER");
    }

private:
    bool had_;
    QByteArray old_;
};

// A port on this machine that takes connections (the system completes them) and never reads
// nor writes a byte: a print server that has hung.
class SilentServer {
public:
    SilentServer()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        at.sin_port = 0;
        socklen_t size = sizeof at;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr *>(&at), sizeof at) != 0 || ::listen(fd_, 16) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr *>(&at), &size) != 0)
            return;
        port_ = ntohs(at.sin_port);
    }
    ~SilentServer()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SilentServer(const SilentServer &) = delete;
    SilentServer &operator=(const SilentServer &) = delete;
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

drawing::Drawing smallDrawing()
{
    drawing::Drawing d;
    d.title = "Guasto";
    d.widthMm = 120;
    d.heightMm = 80;
    d.lines.push_back({{{10, 10}, {110, 70}}, drawing::DrawingPen::HourLine, false, false, 0});
    return d;
}

QString defaultQueue()
{
    return QPrinterInfo::defaultPrinterName();
}

} // namespace

class TestPrintFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
        HORALO_REQUIRE_DEFAULT_PRINTER();
    }
    void cleanup() { closeAllWindows(); }

    void rejectingQueueIsAFailure_data()
    {
        QTest::addColumn<bool>("tiles");
        QTest::newRow("sheet report") << false;
        QTest::newRow("Stampa 1:1") << true;
    }
    void rejectingQueueIsAFailure()
    {
        QFETCH(bool, tiles);
        QueueFault rejecting(defaultQueue(), QStringLiteral("cupsreject"), QStringLiteral("cupsaccept"));
        if (!rejecting.ok()) {
            if (printerRequired())
                QFAIL("cupsreject failed on the test set-up's queue");
            QSKIP("cannot make the queue reject jobs here");
        }
        OutcomeRecorder recorder;
        YesToTiles questions;
        if (tiles) {
            QVERIFY(shell::showDrawing(smallDrawing()));
            QTest::mouseClick(openDrawingWindow()->findChild<QPushButton *>(QStringLiteral("Stampa")), Qt::LeftButton);
        } else {
            QWidget *window = shell::showWindow(QStringLiteral("GonOrz"));
            press(window, QStringLiteral("Calcola"));
            const auto before = allTexts(window);
            press(window, QStringLiteral("Stampa"));
            QCOMPARE(allTexts(window), before);
        }
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintFailed});
        // Refused before anything was painted: the user is not even asked about the pages.
        QVERIFY(questions.questions.isEmpty());
    }

    void pausedQueueHoldsTheJobAndSaysSo()
    {
        QueueFault paused(defaultQueue(), QStringLiteral("cupsdisable"), QStringLiteral("cupsenable"));
        if (!paused.ok()) {
            if (printerRequired())
                QFAIL("cupsdisable failed on the test set-up's queue");
            QSKIP("cannot pause the queue here");
        }
        OutcomeRecorder recorder;
        QWidget *window = shell::showWindow(QStringLiteral("GonOrz"));
        press(window, QStringLiteral("Calcola"));
        const QStringList pdfsBefore = pdfFiles();
        press(window, QStringLiteral("Stampa"));
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("Stampa inviata: la stampante è in pausa, il lavoro attende")});
        // It does wait, and comes out when the queue goes on.
        paused.mend();
        QVERIFY2(!waitForNewPdf(pdfsBefore).isEmpty(), "the held job never came out");
    }

    // A server that accepts the connection and then says nothing, as a hung one does: after
    // ten seconds the job is a failure; meanwhile the program's events are served.
    void silentServerIsAFailureAfterTenSeconds_data()
    {
        QTest::addColumn<bool>("tiles");
        QTest::newRow("sheet report") << false;
        QTest::newRow("Stampa 1:1") << true;
    }
    void silentServerIsAFailureAfterTenSeconds()
    {
        QFETCH(bool, tiles);
        SilentServer silent;
        QVERIFY(silent.port() > 0);
        const ServerAddress address(QByteArrayLiteral("127.0.0.1:") + QByteArray::number(silent.port()));

        OutcomeRecorder recorder;
        YesToTiles questions;
        QWidget *window = nullptr;
        QPushButton *print = nullptr;
        if (tiles) {
            window = shell::showDrawing(smallDrawing());
            print = window->findChild<QPushButton *>(QStringLiteral("Stampa"));
        } else {
            window = shell::showWindow(QStringLiteral("GonOrz"));
            press(window, QStringLiteral("Calcola"));
            print = window->findChild<QPushButton *>(QStringLiteral("Stampa"));
        }
        QVERIFY(print);
        const auto before = allTexts(window);
        int ticks = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, this, [&] { ++ticks; });
        heartbeat.start(100);
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(print, Qt::LeftButton);
        const qint64 waitedMs = timer.elapsed();
        qInfo("failed after %lld ms, %d heartbeats meanwhile", static_cast<long long>(waitedMs), ticks);
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintFailed});
        QVERIFY2(waitedMs >= 9000 && waitedMs <= 25000, qPrintable(QString::number(waitedMs)));
        // The events went on: a tenth-of-a-second timer ticked through most of the wait.
        QVERIFY2(ticks >= waitedMs / 100 / 2, qPrintable(QString::number(ticks)));
        QVERIFY(questions.questions.isEmpty());
        QCOMPARE(allTexts(window), before);
    }
};

QTEST_MAIN(TestPrintFaults)
#include "test_printfaults.moc"
