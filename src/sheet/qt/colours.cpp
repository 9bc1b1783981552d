#include "sheet/qt/colours.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace sheet {

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor &wanted, const QColor &background)
{
    if (ContrastRatio(wanted, background) >= kReadableContrast)
        return wanted;
    // Towards white on a dark background, towards black on a light one, keeping the hue.
    const QColor far = luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor shade = wanted;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        shade = QColor::fromRgbF(wanted.redF() + (far.redF() - wanted.redF()) * t,
                                 wanted.greenF() + (far.greenF() - wanted.greenF()) * t,
                                 wanted.blueF() + (far.blueF() - wanted.blueF()) * t);
        if (ContrastRatio(shade, background) >= kReadableContrast)
            break;
    }
    return shade;
}

void SetReadableTextColour(QWidget *widget, const QColor &wanted)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    const bool label = qobject_cast<QLabel *>(widget) != nullptr;
    const QPalette::ColorRole text = label ? QPalette::WindowText : QPalette::Text;
    const QPalette::ColorRole ground = label ? QPalette::Window : QPalette::Base;
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, text, ReadableOn(wanted, palette.color(group, ground)));
    widget->setPalette(palette);
}

} // namespace sheet
