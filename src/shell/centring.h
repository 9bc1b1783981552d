#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// Top-left corner that puts a window of the given size in the middle of the screen area;
// each offset is the difference of sizes halved with the remainder dropped, and is negative
// for a window larger than the screen.
QPoint centredPosition(const QRect &screen, const QSize &window);

// Centres a window that was just created, on the screen it will open on. A minimised or
// maximised window is left alone; the size is never changed.
void CentraForm(QWidget *window);
void CentraForm(QWidget *window, const QRect &screen);

} // namespace shell
