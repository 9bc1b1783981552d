#include "shell/programstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QWidget>

namespace shell {

namespace {

// A picture of the style that is read the first time something looks at it, and then drawn as
// the style's own icon draws it. Qt's styles give their arrows as pictures read from files
// (QPixmapIconEngine), which paint by drawing the pixmap of the painted size into the rectangle
// and give the same pixmap whatever the scale asked for; this engine does the same with the
// style's icon, asking for its pixmaps at scale 1 so that Qt does not scale them a second time.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(const QStyle *style, QStyle::StandardPixmap picture, const QWidget *widget)
        // Held only to learn whether they are gone; never changed through these pointers.
        : style_(const_cast<QStyle *>(style)), picture_(picture), widget_(const_cast<QWidget *>(widget))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // The style's arrows are never empty pictures; saying so without reading it keeps it deferred.
    bool isNull() override { return made_ ? icon_.isNull() : !style_; }
    QIconEngine *clone() const override
    {
        auto *copy = new DeferredIconEngine(style_, picture_, widget_);
        copy->icon_ = icon_;
        copy->made_ = made_;
        return copy;
    }

private:
    const QIcon &icon()
    {
        if (!made_) {
            if (style_)
                icon_ = style_->standardIcon(picture_, nullptr, widget_);
            made_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap picture_;
    QPointer<QWidget> widget_;
    QIcon icon_;
    bool made_ = false;
};

} // namespace

ProgramStyle::ProgramStyle(QStyle *platformStyle) : QProxyStyle(platformStyle) {}

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption *option, const QWidget *widget) const
{
    const bool extensionArrow = picture == SP_ToolBarHorizontalExtensionButton || picture == SP_ToolBarVerticalExtensionButton;
    if (extensionArrow && !option)
        return QIcon(new DeferredIconEngine(baseStyle(), picture, widget));
    return QProxyStyle::standardIcon(picture, option, widget);
}

void installProgramStyle()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // Only over Qt's own styles, whose arrows are the pictures from files that the deferred icon
    // draws alike, and on a screen of one pixel per pixel: at a higher scale Qt asks an icon for
    // its pixmaps in ways the deferred one does not repeat exactly.
    const QString name = QApplication::style()->name();
    if (name.compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0
        && name.compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0)
        return;
    if (qApp->devicePixelRatio() > 1.0)
        return;
    // A second copy of the style in use, by its name: the application's own copy is deleted
    // when the new style takes its place.
    if (QStyle *platformStyle = QStyleFactory::create(name))
        QApplication::setStyle(new ProgramStyle(platformStyle));
}

} // namespace shell
