#include "shell/registry.h"

#include "shell/centring.h"
#include "shell/fieldhelp.h"
#include "shell/help.h"
#include "shell/windowmemory.h"

#include <QKeySequence>
#include <QShortcut>

namespace shell {

namespace {

// The keys every window of the program answers the same way: Ctrl+W closes it, F1 opens the
// manual at the page of that window. They belong to the window (not to a field), so they work
// wherever the keyboard focus is inside it.
void addCommonKeys(QWidget *window, const QString &name)
{
    auto *close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), window);
    close->setContext(Qt::WindowShortcut);
    QObject::connect(close, &QShortcut::activated, window, [window] { window->close(); });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    help->setContext(Qt::WindowShortcut);
    QObject::connect(help, &QShortcut::activated, window, [name] { showManual(name); });
}

} // namespace

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const QString &name, Factory factory)
{
    onDemand_.remove(name);
    factories_.insert(name, std::move(factory));
}

void WindowRegistry::addOnDemand(const QString &name, Loader load)
{
    if (!factories_.contains(name))
        onDemand_.insert(name, std::move(load));
}

bool WindowRegistry::has(const QString &name) const
{
    return factories_.contains(name) || onDemand_.contains(name);
}

QStringList WindowRegistry::names() const
{
    QStringList all = factories_.keys() + onDemand_.keys();
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
        if (const auto promise = onDemand_.constFind(name); promise != onDemand_.constEnd()) {
            // A copy: loading replaces the promises, this one among them.
            const Loader load = *promise;
            if (!load())
                return nullptr;
            onDemand_.remove(name);
        }
        const auto factory = factories_.constFind(name);
        if (factory == factories_.constEnd())
            return nullptr;
        // A copy too: a window being made may register others.
        const Factory make = *factory;
        window = make();
        if (!window)
            return nullptr;
        window->setObjectName(name);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowFlag(Qt::Window);
        applyFieldHelp(window);
        addCommonKeys(window, name);
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

void showManual(const QString &page)
{
    QWidget *manual = showWindow(kManual);
    if (auto *browser = qobject_cast<ManualWindow *>(manual); browser && !page.isEmpty())
        browser->showPage(page);
}

QWidget *showFresh(const QString &name)
{
    if (QWidget *window = WindowRegistry::instance().open(name)) {
        // The window may refuse (a project with changes the user chooses to keep).
        if (!window->close())
            return nullptr;
        WindowRegistry::instance().forget(name);
    }
    return showWindow(name);
}

} // namespace shell
