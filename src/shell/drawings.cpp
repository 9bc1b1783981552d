#include "shell/drawings.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace shell {

namespace {

// A fixed figure: a white canvas of a given size painted by one function.
class Figure final : public QWidget {
public:
    Figure(QSize size, std::function<void(QPainter &)> paint, QWidget *parent = nullptr)
        : QWidget(parent), paint_(std::move(paint))
    {
        setFixedSize(size);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(10);
        painter.setFont(font);
        painter.setPen(QPen(Qt::black, 1.5));
        paint_(painter);
    }

private:
    std::function<void(QPainter &)> paint_;
};

QWidget *figureWindow(const QString &title, QSize size, std::function<void(QPainter &)> paint)
{
    auto *figure = new Figure(size, std::move(paint));
    figure->setWindowTitle(title);
    return figure;
}

// Point at distance r from c in the direction that makes angleDeg with the downward noon
// line, positive towards the left of the figure.
QPointF along(QPointF c, double angleDeg, double r)
{
    const double a = qDegreesToRadians(angleDeg);
    return c + QPointF(-r * std::sin(a), r * std::cos(a));
}

void label(QPainter &p, QPointF at, const QString &text, Qt::Alignment align = Qt::AlignCenter)
{
    const QRectF box(at.x() - 60, at.y() - 12, 120, 24);
    p.drawText(box, static_cast<int>(align | Qt::TextDontClip), text);
}

void dot(QPainter &p, QPointF at)
{
    p.save();
    p.setBrush(Qt::black);
    p.drawEllipse(at, 3.0, 3.0);
    p.restore();
}

void paintCurvesFigure(QPainter &p, bool vertical)
{
    const QPointF o(230, 50);
    const QString left = vertical ? QStringLiteral("6") : QStringLiteral("18");
    const QString right = vertical ? QStringLiteral("18") : QStringLiteral("6");
    const QString sample = vertical ? QStringLiteral("11") : QStringLiteral("13");
    // East-West line and the noon line.
    p.drawLine(QPointF(40, o.y()), QPointF(420, o.y()));
    p.drawLine(o, QPointF(o.x(), 300));
    label(p, QPointF(28, o.y()), left);
    label(p, QPointF(432, o.y()), right);
    label(p, QPointF(o.x(), 312), QStringLiteral("12"));
    label(p, o + QPointF(-12, -14), QStringLiteral("O"));
    dot(p, o);
    // The sample hour line, 20 degrees from noon on the side of the figure.
    const double sampleDeg = 22; // 11 lies towards 6 on a wall, 13 towards 18 on the ground: both left
    p.drawLine(o, along(o, sampleDeg, 270));
    label(p, along(o, sampleDeg, 285), sample);
    // Equinox line (straight) and the two solstice curves, as functions of x, so that the
    // sample points can be put where the hour line really crosses them.
    const double rNear = 110, rMid = 165, rFar = 235;
    auto curveY = [&](int which, double x) {
        const double u = (x - o.x()) / 140.0;
        switch (which) {
        case 0: // the curve nearer O, bending towards it at its ends
            return o.y() + rNear + 8 - 28 * u * u;
        case 1: // the equinox line
            return o.y() + rMid - 12 * u;
        default: // the curve farther from O, bending away
            return o.y() + rFar - 8 + 28 * u * u;
        }
    };
    const QPen pens[3] = {QPen(Qt::darkRed, 1.2), QPen(Qt::darkBlue, 1.2, Qt::DashLine), QPen(Qt::darkRed, 1.2)};
    for (int which = 0; which < 3; ++which) {
        QPolygonF line;
        for (double x = 90; x <= 370.01; x += 5)
            line << QPointF(x, curveY(which, x));
        p.setPen(pens[which]);
        p.drawPolyline(line);
    }
    p.setPen(QPen(Qt::black, 1.5));
    // Where the sample hour line meets each curve: bisection along the line from O.
    auto crossing = [&](int which) {
        double lo = 0, hi = 300;
        for (int i = 0; i < 60; ++i) {
            const double mid = (lo + hi) / 2;
            const QPointF pt = along(o, sampleDeg, mid);
            (pt.y() < curveY(which, pt.x()) ? lo : hi) = mid;
        }
        return along(o, sampleDeg, lo);
    };
    // A is the summer point, C the winter one: near O on a horizontal dial, far on a wall.
    const QPointF a = crossing(vertical ? 2 : 0);
    const QPointF b = crossing(1);
    const QPointF c = crossing(vertical ? 0 : 2);
    for (const auto &[pt, name] : {std::pair{a, "A"}, std::pair{b, "B"}, std::pair{c, "C"}}) {
        dot(p, pt);
        label(p, pt + QPointF(16, -4), QString::fromLatin1(name));
    }
    QFont small = p.font();
    small.setPointSizeF(9);
    p.setFont(small);
    const double y0 = 335;
    p.drawText(QPointF(20, y0), QCoreApplication::translate("horalo", "A= Distanza in mm dal punto O del Solstizio Estivo"));
    p.drawText(QPointF(20, y0 + 18), QCoreApplication::translate("horalo", "B=Distanza in mm dal punto O dell'Equinozio"));
    p.drawText(QPointF(20, y0 + 36), QCoreApplication::translate("horalo", "C= Distanza in mm dal centro O del Solstizio Invernale"));
}

} // namespace

QWidget *makeProtractorDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Goniometro"), QSize(440, 330), [](QPainter &p) {
        const QPointF c(220, 120);
        const double r = 150;
        // Half circle of the protractor below the East-West line.
        p.setPen(QPen(Qt::gray, 1));
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180 * 16, 180 * 16);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(along(c, -90, r), along(c, 90, r));   // 6 (right) to 18 (left)
        p.drawLine(c, along(c, 0, r));                      // noon
        p.drawLine(c, along(c, -46.9, r));                  // 8 o'clock, morning side
        p.drawLine(c, along(c, 25.3, r));                   // 14.30, afternoon side
        label(p, along(c, 0, r + 14), QStringLiteral("12"));
        label(p, along(c, 0, r + 30), QStringLiteral("0°"));
        label(p, along(c, -90, r + 14) + QPointF(4, -14), QStringLiteral("6"));
        label(p, along(c, -90, r + 14) + QPointF(4, 12), QStringLiteral("-90°"));
        label(p, along(c, 90, r + 16) + QPointF(-4, -14), QStringLiteral("18"));
        label(p, along(c, 90, r + 16) + QPointF(-4, 12), QStringLiteral("90°"));
        label(p, c + QPointF(0, -22), QStringLiteral("180°"));
        label(p, along(c, -46.9, r + 16), QStringLiteral("8"));
        label(p, along(c, -46.9, r * 0.62) + QPointF(30, 0), QCoreApplication::translate("horalo", "-46,9"));
        label(p, along(c, 25.3, r + 16), QStringLiteral("14.30"));
        label(p, along(c, 25.3, r * 0.62) + QPointF(-30, 0), QStringLiteral("25.3°"));
        QFont head = p.font();
        head.setPointSizeF(12);
        head.setBold(true);
        p.setFont(head);
        label(p, QPointF(340, 40), QStringLiteral("−ω"));
        label(p, QPointF(100, 40), QStringLiteral("ω"));
        QFont caption = p.font();
        caption.setPointSizeF(10);
        caption.setBold(false);
        p.setFont(caption);
        label(p, QPointF(220, 312), QCoreApplication::translate("horalo", "Esempio per Lat = 38°"));
    });
}

QWidget *makeDecliningDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Verticale declinante"), QSize(420, 260), [](QPainter &p) {
        const QPointF c(210, 80);
        p.drawLine(QPointF(40, c.y()), QPointF(380, c.y()));
        p.drawLine(c, QPointF(c.x(), 220));
        dot(p, c);
        label(p, c + QPointF(0, -20), QCoreApplication::translate("horalo", "Centro Orario"));
        label(p, QPointF(c.x(), 234), QStringLiteral("12"));
        label(p, QPointF(c.x() + 34, 200), QStringLiteral("-90°"));
        label(p, QPointF(392, c.y() - 16), QStringLiteral("0"));
        label(p, QPointF(40, c.y() - 16), QStringLiteral("-180°"));
    });
}

QWidget *makeHorizontalCurvesDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Esempio"), QSize(460, 400),
                        [](QPainter &p) { paintCurvesFigure(p, false); });
}

QWidget *makeVerticalCurvesDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Disegno delle curve sostiziali verticali"), QSize(460, 400),
                        [](QPainter &p) { paintCurvesFigure(p, true); });
}

QWidget *makeSundialPicture(QWidget *parent)
{
    auto *picture = new Figure(QSize(120, 90), [](QPainter &p) {
        // A small horizontal dial seen from above: the plate, a fan of hour lines and the
        // triangular gnomon standing on the noon line.
        const QPointF c(60, 22);
        p.setPen(QPen(QColor(120, 90, 40), 1.5));
        p.setBrush(QColor(240, 225, 190));
        p.drawRoundedRect(QRectF(8, 6, 104, 78), 8, 8);
        p.setPen(QPen(QColor(60, 40, 20), 1));
        for (int hour = 6; hour <= 18; ++hour) {
            const double a = std::atan(std::sin(qDegreesToRadians(45.0))
                                       * std::tan(qDegreesToRadians(15.0 * (hour - 12))));
            const double deg = hour < 6 || hour > 18 ? 0 : qRadiansToDegrees(a);
            p.drawLine(c, along(c, hour == 6 ? -90 : hour == 18 ? 90 : -deg, 52));
        }
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(90, 90, 90));
        p.drawPolygon(QPolygonF({c, c + QPointF(-4, 44), c + QPointF(4, 44)}));
    }, parent);
    picture->setObjectName(QStringLiteral("Image1"));
    return picture;
}

} // namespace shell
