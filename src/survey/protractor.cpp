#include "survey/protractor.h"
#include "drawing/qt/scalebarpaint.h"
#include "sheet/qt/uitext.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <numbers>

namespace survey {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "GONIOMETRO 1:1 PER IL RILIEVO DELLA PARETE")};
const sheet::UiText kWallEdge{QT_TRANSLATE_NOOP("horalo", "lato della tavoletta contro la parete")};
const sheet::UiText kBar{QT_TRANSLATE_NOOP("horalo", "100 mm: misurare con un righello per controllare la scala di stampa")};
const sheet::UiText kHowTo1{QT_TRANSLATE_NOOP("horalo", "Incollare sulla tavoletta orizzontale con la linea tratteggiata contro la parete;")};
const sheet::UiText kHowTo2{QT_TRANSLATE_NOOP("horalo", "il filo a piombo sopra il centro. L'angolo alfa è quello dell'ombra del filo dallo 0,")};
const sheet::UiText kHowTo3{QT_TRANSLATE_NOOP("horalo", "positivo se l'ombra va a destra guardando la parete.")};
const sheet::UiText kCredit{QT_TRANSLATE_NOOP("horalo", "Horalo 2002 - programma per la costruzione di orologi solari")};

} // namespace

bool paintProtractor(QPainter &painter, QPrinter &printer)
{
    const double dotsPerMm = printer.resolution() / 25.4;
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    if (area.width() < 2 * kProtractorRadiusMm + 10 || area.height() < kCheckBarTopMm + 40)
        return false;
    // Millimetres on the page to device dots; no scaling transform, so nothing can fit the page
    // to the paper behind our back.
    auto at = [dotsPerMm](double xMm, double yMm) { return QPointF(xMm * dotsPerMm, yMm * dotsPerMm); };
    auto pen = [dotsPerMm](double widthMm, Qt::PenStyle style = Qt::SolidLine) {
        QPen p(Qt::black, widthMm * dotsPerMm, style, Qt::FlatCap);
        return p;
    };
    auto text = [&](double xMm, double yMm, const QString &s, double pt, bool centred) {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(pt);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &printer);
        const double w = centred ? metrics.horizontalAdvance(s) : 0;
        // (xMm, yMm) is the centre of the text when centred, its top-left corner otherwise.
        const double dy = centred ? (metrics.ascent() - metrics.descent()) / 2 : metrics.ascent();
        painter.drawText(at(xMm, yMm) + QPointF(-w / 2, dy), s);
    };

    const double cx = area.width() / 2;
    const double cy = kProtractorCentreMm;
    const double r = kProtractorRadiusMm;
    painter.setPen(pen(0.3, Qt::DashLine));
    painter.drawLine(at(cx - r - 5, kWallEdgeMm), at(cx + r + 5, kWallEdgeMm));
    text(cx, kWallEdgeMm - 4, kWallEdge, 9, true);

    painter.setPen(pen(0.25));
    const double d = 2 * r * dotsPerMm;
    painter.drawArc(QRectF(at(cx - r, cy - r), QSizeF(d, d)), 0, 180 * 16);
    painter.drawLine(at(cx - r, cy), at(cx + r, cy));
    for (int halfDegrees = -180; halfDegrees <= 180; ++halfDegrees) {
        const double deg = halfDegrees / 2.0;
        const bool ten = halfDegrees % 20 == 0, five = halfDegrees % 10 == 0, whole = halfDegrees % 2 == 0;
        const double len = ten ? 9 : five ? 6 : whole ? 4 : 2.5;
        // 0 points at the wall (up the page), positive to the right.
        const double s = std::sin(deg * std::numbers::pi / 180), c = std::cos(deg * std::numbers::pi / 180);
        painter.setPen(pen(ten || five ? 0.25 : 0.15));
        painter.drawLine(at(cx + (r - len) * s, cy - (r - len) * c), at(cx + r * s, cy - r * c));
        if (ten) {
            const QString label = halfDegrees == 0 ? QStringLiteral("0")
                : (halfDegrees > 0 ? QStringLiteral("+") : QStringLiteral("−")) + QString::number(std::abs(halfDegrees) / 2);
            text(cx + (r - 14) * s, cy - (r - 14) * c, label, 9, true);
            // Faint guides from the centre help to lay a ruler along the shadow.
            painter.setPen(pen(halfDegrees == 0 ? 0.25 : 0.1, halfDegrees == 0 ? Qt::SolidLine : Qt::DotLine));
            painter.drawLine(at(cx, cy), at(cx + (r - 18) * s, cy - (r - 18) * c));
        }
    }
    painter.setPen(pen(0.25));
    painter.drawLine(at(cx - 3, cy), at(cx + 3, cy));
    painter.drawLine(at(cx, cy - 3), at(cx, cy + 3));

    const double barLeft = cx - kCheckBarLengthMm / 2;
    drawing::PaintScaleBar(painter, drawing::CentimetreBar(), barLeft, kCheckBarTopMm, kCheckBarHeightMm, 0.2, dotsPerMm);
    text(cx, kCheckBarTopMm + 10, kBar, 9, true);

    const double notesTop = kCheckBarTopMm + 22;
    text(cx, notesTop, kTitle, 12, true);
    text(20, notesTop + 10, kHowTo1, 10, false);
    text(20, notesTop + 16, kHowTo2, 10, false);
    text(20, notesTop + 22, kHowTo3, 10, false);
    text(cx, area.height() - 10, kCredit, 8, true);
    return true;
}

} // namespace survey
