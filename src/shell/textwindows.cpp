#include "shell/textwindows.h"

#include "shell/drawings.h"

#include <QLabel>
#include <QVBoxLayout>

namespace shell {

QWidget *makeTextWindow(const QString &title, const QStringList &labels, int width, bool withPicture)
{
    auto *window = new QWidget;
    window->setWindowTitle(title);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(8);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    int index = 1;
    for (const QString &text : labels) {
        auto *label = new QLabel(text, window);
        label->setObjectName(QStringLiteral("Label%1").arg(index++));
        label->setFont(font);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    if (withPicture) {
        auto *picture = makeSundialPicture(window);
        layout->addWidget(picture, 0, Qt::AlignHCenter);
    }
    window->setFixedWidth(width);
    return window;
}

} // namespace shell
