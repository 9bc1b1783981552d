#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "shell/windownames.h"

#include <functional>

namespace shell {

// Every window of the program exists at most once. Asking for a window by its name creates
// it from its defaults (centred on its screen before it is first shown) when it is not open,
// or brings the open one to the front with the texts it has. Windows delete themselves when
// closed, so the next request starts afresh.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;
    // Makes the factories of windows known only by name so far available (loads the part of the
    // program that adds them); false when it cannot.
    using Loader = std::function<bool()>;

    static WindowRegistry &instance();

    void add(const QString &name, Factory factory);
    // Knows the window by name before its factory: the first time it is asked for, load is
    // called, and the window is made by the factory that load added (nothing is shown when
    // load fails or adds none). A factory added for the name replaces the promise.
    void addOnDemand(const QString &name, Loader load);
    bool has(const QString &name) const;

    // Every window the program knows, sorted: what a test or a tour of the program walks.
    QStringList names() const;

    // Shows the window; returns it, or nullptr when no window of that name is known.
    QWidget *show(const QString &name);

    // The open window of that name, or nullptr.
    QWidget *open(const QString &name) const;

    // The same for the names of shell/windownames.h.
    void add(const char *name, Factory factory) { add(QString::fromLatin1(name), std::move(factory)); }
    bool has(const char *name) const { return has(QString::fromLatin1(name)); }
    QWidget *show(const char *name) { return show(QString::fromLatin1(name)); }
    QWidget *open(const char *name) const { return open(QString::fromLatin1(name)); }

    // Lets go of the window of that name (closed, and about to be deleted).
    void forget(const QString &name) { open_.remove(name); }

private:
    QHash<QString, Factory> factories_;
    QHash<QString, Loader> onDemand_;
    QHash<QString, QPointer<QWidget>> open_;
};

inline QWidget *showWindow(const QString &name) { return WindowRegistry::instance().show(name); }
// The same for a name of shell/windownames.h.
inline QWidget *showWindow(const char *name) { return showWindow(QString::fromLatin1(name)); }

// Shows the manual, at the page about the window of that name when it has one.
void showManual(const QString &page = QString());

// Shows the window of that name from its defaults: an open one is closed first (and stays
// when it refuses to close, nullptr then).
QWidget *showFresh(const QString &name);

// Registers the menus, the manual and the about box: what the program's start needs.
void registerMenuWindows(WindowRegistry &registry);
// Registers the warnings, notes, example drawings and the full-scale drawing window.
void registerNotesAndDrawings(WindowRegistry &registry);
// Registers both.
void registerShellWindows(WindowRegistry &registry);

} // namespace shell
