#include "sheet/qt/messagebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace sheet {

namespace {

// Room the window manager takes on a title bar besides the title: the icon on the left and
// the close button on the right, with their margins.
constexpr int kTitleBarExtraPx = 160;

} // namespace

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(title) + kTitleBarExtraPx;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    box.exec();
}

} // namespace sheet
