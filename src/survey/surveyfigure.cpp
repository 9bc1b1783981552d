#include "survey/surveyfigure.h"
#include "sheet/qt/uitext.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace survey {

namespace {

const sheet::UiText kWall{QT_TRANSLATE_NOOP("horalo", "parete")};
const sheet::UiText kBoard{QT_TRANSLATE_NOOP("horalo", "tavoletta orizzontale")};
const sheet::UiText kLine{QT_TRANSLATE_NOOP("horalo", "filo a piombo")};
const sheet::UiText kFromAbove{QT_TRANSLATE_NOOP("horalo", "(vista dall'alto)")};
const sheet::UiText kShadow{QT_TRANSLATE_NOOP("horalo", "ombra")};
const sheet::UiText kSun{QT_TRANSLATE_NOOP("horalo", "Sole")};
const sheet::UiText kAlpha{QT_TRANSLATE_NOOP("horalo", "α")};
const sheet::UiText kPerpendicular{QT_TRANSLATE_NOOP("horalo", "perpendicolare")};

} // namespace

SurveyFigure::SurveyFigure(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("figura"));
    setMinimumSize(300, 220);
}

void SurveyFigure::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    // A view from above and in front, in a fixed 300 x 220 frame centred in the widget.
    p.translate((width() - 300) / 2.0, (height() - 220) / 2.0);

    // The wall, seen from the top of its thickness, with brick hatching.
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(0xd9, 0xc6, 0xa5));
    p.drawRect(QRectF(20, 20, 260, 26));
    for (int x = 28; x < 280; x += 16)
        p.drawLine(QPointF(x, 20), QPointF(x - 8, 46));
    p.setPen(Qt::black);
    p.drawText(QRectF(20, 2, 260, 16), Qt::AlignCenter, kWall);

    // The board against the wall, drawn as a slightly foreshortened trapezium.
    QPainterPath board;
    board.moveTo(60, 46);
    board.lineTo(240, 46);
    board.lineTo(260, 170);
    board.lineTo(40, 170);
    board.closeSubpath();
    p.setBrush(QColor(0xf3, 0xe9, 0xd2));
    p.setPen(QPen(QColor(0x8a, 0x6d, 0x3b), 1.5));
    p.drawPath(board);
    p.setPen(Qt::black);
    p.drawText(QRectF(150, 174, 140, 16), Qt::AlignRight, kBoard);
    p.drawText(QRectF(20, 2, 270, 16), Qt::AlignRight, kFromAbove);

    // The plumb line's foot on the board, the perpendicular to the wall and the shadow.
    const QPointF foot(150, 140);
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    p.drawLine(foot, QPointF(150, 50));
    p.drawText(QPointF(154, 64), kPerpendicular);
    const double alpha = 28 * std::numbers::pi / 180;
    const double len = 82;
    const QPointF tip(foot.x() + len * std::sin(alpha), foot.y() - len * std::cos(alpha));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, tip);
    p.setPen(Qt::black);
    p.drawText(tip + QPointF(6, 10), kShadow);
    // The angle α from the perpendicular, positive to the right of a person facing the wall.
    p.setPen(QPen(Qt::red, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(foot.x() - 40, foot.y() - 40, 80, 80), 90 * 16, -28 * 16);
    p.drawText(QPointF(foot.x() + 6, foot.y() - 44), kAlpha);

    // Seen from above the line is a point: its bob over the board.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawEllipse(foot, 3.5, 3.5);
    p.drawText(QPointF(40, 130), kLine);
    p.drawLine(QPointF(100, 127), QPointF(144, 137));

    // The Sun in front of the wall and to the left: the shadow runs away from it.
    const QPointF sun(foot.x() - 70 * std::sin(alpha), foot.y() + 70 * std::cos(alpha) - 6);
    p.setBrush(QColor(0xff, 0xc8, 0x00));
    p.setPen(QPen(QColor(0xe0, 0x90, 0x00), 1.5));
    p.drawEllipse(sun, 9, 9);
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4;
        p.drawLine(sun + QPointF(12 * std::cos(a), 12 * std::sin(a)), sun + QPointF(16 * std::cos(a), 16 * std::sin(a)));
    }
    p.setPen(Qt::black);
    p.drawText(sun + QPointF(-48, 5), kSun);
}

} // namespace survey
