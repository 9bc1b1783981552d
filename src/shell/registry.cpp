#include "shell/registry.h"

#include "shell/centring.h"
#include "shell/windowmemory.h"

namespace shell {

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const QString &name, Factory factory)
{
    factories_.insert(name, std::move(factory));
}

bool WindowRegistry::has(const QString &name) const
{
    return factories_.contains(name);
}

QStringList WindowRegistry::names() const
{
    QStringList all = factories_.keys();
    all.sort();
    return all;
}

QWidget *WindowRegistry::open(const QString &name) const
{
    const auto it = open_.constFind(name);
    return it == open_.constEnd() ? nullptr : it->data();
}

QWidget *WindowRegistry::show(const QString &name)
{
    QWidget *window = open(name);
    if (!window) {
        const auto factory = factories_.constFind(name);
        if (factory == factories_.constEnd())
            return nullptr;
        window = (*factory)();
        window->setObjectName(name);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowFlag(Qt::Window);
        window->ensurePolished();
        window->adjustSize();
        CentraForm(window);
        rememberWindow(window);
        open_.insert(name, window);
    }
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    // A window that wants the keyboard itself (a warning, a note) gets it again when it is
    // asked for a second time, so that Esc closes it at once.
    if (window->focusPolicy() != Qt::NoFocus)
        window->setFocus(Qt::ActiveWindowFocusReason);
    return window;
}

} // namespace shell
