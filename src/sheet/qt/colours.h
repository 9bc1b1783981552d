#pragma once

#include <QColor>

class QWidget;

namespace sheet {

// The contrast ratio of two colours as the accessibility guidelines define it, from 1 (the
// same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// The least that text must keep against its background to read well.
inline constexpr double kReadableContrast = 4.5;

// The wanted colour, or the nearest shade of it (lighter on a dark background, darker on a
// light one) that keeps kReadableContrast against the background: the zodiac sheet's red and
// blue and the refusals' red read on a light desktop and on a dark one alike.
QColor ReadableOn(const QColor &wanted, const QColor &background);

// Paints a field's text (on its Base colour) or a label's text (on its Window colour) in the
// readable shade of the wanted colour, for the palette the widget has.
void SetReadableTextColour(QWidget *widget, const QColor &wanted);

} // namespace sheet
