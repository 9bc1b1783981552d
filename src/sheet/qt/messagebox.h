#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace sheet {

// A modal message box whose window is wide enough for its whole title: a short text such as
// "Stampa inviata" would otherwise give a box so narrow that the window manager cuts the title
// ("Horal..."). Returns when the user has dismissed it.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text);

} // namespace sheet
