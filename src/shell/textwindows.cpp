#include "shell/textwindows.h"

#include "shell/drawings.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace shell {

namespace {

// A warning or a note: read, then put away. Esc or Enter closes it, as any message box does,
// and it takes the focus each time it is shown so that the key reaches it at once.
class TextWindow final : public QWidget {
public:
    TextWindow() { setFocusPolicy(Qt::StrongFocus); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            close();
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        activateWindow();
        setFocus(Qt::ActiveWindowFocusReason);
    }
};

} // namespace

QWidget *makeTextWindow(const QString &title, const QStringList &labels, int width, bool withPicture)
{
    auto *window = new TextWindow;
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
