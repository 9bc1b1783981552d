#pragma once

#include "shell/windownames.h"

#include <QStringList>
#include <QWidget>

namespace shell {

// A small window of fixed texts, one label each, top to bottom: the warnings the sheets show
// and the note windows. Nothing in it can be clicked; the user closes it with its close box, or
// with Esc or Enter, since it takes the keyboard focus whenever it is shown.
QWidget *makeTextWindow(const QString &title, const QStringList &labels, int width,
                        bool withPicture = false);

} // namespace shell
