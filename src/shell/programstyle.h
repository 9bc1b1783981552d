#pragma once

#include <QIcon>
#include <QProxyStyle>

namespace shell {

// The platform's own style, drawing every widget as it does, with one difference: the arrow of
// the button that menu bars and tool bars keep hidden for the items that do not fit is read
// from Qt's pictures only when that button is first drawn. Asking for it at once, as a menu bar
// does when it is made, has Qt load every image-format plugin to tell what kind of file the
// arrow is; the main menu, which never shows that button, then opens about a millisecond later.
class ProgramStyle final : public QProxyStyle {
public:
    // The style takes the style it draws with as its own.
    explicit ProgramStyle(QStyle *platformStyle);

    QIcon standardIcon(StandardPixmap picture, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// Puts ProgramStyle over the style the application would use, when that is one of Qt's own
// (Fusion, Windows, also when chosen with -style or QT_STYLE_OVERRIDE) on a screen of one pixel
// per pixel; otherwise the application keeps its style as it is. Call once, after the
// QApplication is made and before the first window; without a QApplication it does nothing.
void installProgramStyle();

} // namespace shell
