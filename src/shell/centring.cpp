#include "shell/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace shell {

QPoint centredPosition(const QRect &screen, const QSize &window)
{
    // Integer division truncates towards zero, which drops the remainder also for the
    // negative offsets of a window larger than the screen.
    const int left = (screen.width() - window.width()) / 2;
    const int top = (screen.height() - window.height()) / 2;
    return screen.topLeft() + QPoint(left, top);
}

void CentraForm(QWidget *window, const QRect &screen)
{
    if (!window || window->isMinimized() || window->isMaximized())
        return;
    window->move(centredPosition(screen, window->size()));
}

void CentraForm(QWidget *window)
{
    if (!window)
        return;
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    CentraForm(window, screen->availableGeometry());
}

} // namespace shell
