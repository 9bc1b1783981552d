#include "shell/windowmemory.h"

#include "shell/centring.h"
#include "sheet/qt/settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace shell {

namespace {

constexpr int kUsualFramePx = 16;
constexpr int kUsualTitleBarPx = 48;

QString geometryKey(const QWidget *window)
{
    return QStringLiteral("finestre/%1/geometria").arg(window->objectName());
}

bool resizable(const QWidget *window)
{
    return window->minimumSize() != window->maximumSize();
}

void save(QWidget *window)
{
    if (window && resizable(window) && !window->objectName().isEmpty())
        sheet::programSettings().setValue(geometryKey(window), window->saveGeometry());
}

// Saves the place of a window as it closes.
class Keeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close || event->type() == QEvent::Hide)
            save(qobject_cast<QWidget *>(watched));
        return false;
    }
};

// The window no larger than its screen's free room and wholly on it.
void keepOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // The frame the window manager adds around the client area: known once the window has
    // been on screen, a desktop's usual border and title bar before.
    QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (frame.isEmpty())
        frame = QSize(kUsualFramePx, kUsualTitleBarPx);
    const QSize most = room.size() - frame;
    if (resizable(window) && (window->width() > most.width() || window->height() > most.height()))
        window->resize(window->size().boundedTo(most).expandedTo(window->minimumSize()));
    QRect placed = window->frameGeometry();
    placed.moveLeft(std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() - placed.height() + 1)));
    window->move(placed.topLeft());
}

} // namespace

void rememberWindow(QWidget *window)
{
    if (!window)
        return;
    if (resizable(window)) {
        const QByteArray saved = sheet::programSettings().value(geometryKey(window)).toByteArray();
        if (!saved.isEmpty()) {
            window->restoreGeometry(saved);
        } else if (window->sizeHint().width() > window->width() || window->sizeHint().height() > window->height()) {
            // The toolkit opens a window at most two thirds of the screen; one whose content
            // wants more (the survey's table) opens as large as it wants, within the screen.
            window->resize(window->sizeHint().expandedTo(window->size()));
            keepOnScreen(window);
            CentraForm(window);
        }
        window->installEventFilter(new Keeper(window));
        // The program may end with the window still open (Esci, the session ending).
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [w = QPointer<QWidget>(window)] {
            if (w && w->isVisible())
                save(w);
        });
    }
    keepOnScreen(window);
}

} // namespace shell
