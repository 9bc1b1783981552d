// The yardstick for the program's start-up: a bare Qt Widgets program that shows an empty main
// window, writes "shown" once it has painted, and quits. bench_startup times it beside Horalo.
// With --label the window holds one line of text, so that it pays, as every window with a word
// in it does, for loading the system's fonts.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTextStream>

namespace {

class QuitWhenShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QMetaObject::invokeMethod(qApp, [] {
                QTextStream(stdout) << "shown" << Qt::endl;
                QCoreApplication::quit();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--label"))
        window.setCentralWidget(new QLabel(QStringLiteral("Horalo 2002"), &window));
    window.installEventFilter(new QuitWhenShown(&window));
    window.show();
    return QApplication::exec();
}
