#include "shell/drawings.h"

#include "shell/examplefigures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
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

// Where a line from O leaves the plot, a little outside it: the place for the line's number.
QPointF endLabel(const ExampleFigure &figure, const QPolygonF &line, double outsidePx)
{
    if (line.size() < 2)
        return figure.centre;
    QPointF inside = line.first();
    QPointF outside = line.last();
    if (figure.plot.contains(outside))
        return outside + (outside - inside) / QLineF(inside, outside).length() * outsidePx;
    for (int i = 0; i < 50; ++i) {
        const QPointF mid = (inside + outside) / 2;
        (figure.plot.contains(mid) ? inside : outside) = mid;
    }
    const QLineF ray(line.first(), inside);
    return inside + (ray.p2() - ray.p1()) / std::max(ray.length(), 1.0) * outsidePx;
}

QPen dateLinePen(double declinationDeg, bool zodiac)
{
    if (std::abs(declinationDeg) < 1e-9)
        return QPen(Qt::darkBlue, 1.2, Qt::DashLine);
    if (std::abs(std::abs(declinationDeg) - kExampleSolsticeDeg) < 1e-9)
        return QPen(Qt::darkRed, 1.4);
    if (zodiac && std::abs(declinationDeg - kExampleAnniversaryDeg) < 1e-9)
        return QPen(Qt::red, 1.4);
    return QPen(Qt::blue, 1.0);
}

// Hour lines, date lines and sample points of a curves picture; the legend is the caller's.
void paintCurves(QPainter &p, const ExampleFigure &figure, bool zodiac)
{
    p.save();
    p.setClipRect(figure.plot);
    for (const ExampleLine &line : figure.dates) {
        p.setPen(dateLinePen(line.declinationDeg, zodiac));
        p.drawPolyline(line.points);
    }
    p.setPen(QPen(Qt::black, 1.5));
    for (const ExampleLine &line : figure.hours)
        p.drawPolyline(line.points);
    p.restore();
    for (const ExampleLine &line : figure.hours)
        label(p, endLabel(figure, line.points, 10), line.label);
    label(p, figure.centre + QPointF(-12, -14), QStringLiteral("O"));
    dot(p, figure.centre);
    for (const ExamplePoint &point : figure.points) {
        dot(p, point.at);
        if (!point.label.isEmpty())
            label(p, point.at + QPointF(16, -6), point.label);
    }
}

void paintLegend(QPainter &p, double top, std::initializer_list<QString> lines)
{
    QFont small = p.font();
    small.setPointSizeF(9);
    p.setFont(small);
    p.setPen(Qt::black);
    double y = top;
    for (const QString &line : lines) {
        p.drawText(QPointF(20, y), line);
        y += 18;
    }
}

void paintCurvesFigure(QPainter &p, const ExampleFigure &figure)
{
    paintCurves(p, figure, false);
    paintLegend(p, 335,
                {QCoreApplication::translate("horalo", "A= Distanza in mm dal punto O del Solstizio Estivo"),
                 QCoreApplication::translate("horalo", "B=Distanza in mm dal punto O dell'Equinozio"),
                 QCoreApplication::translate("horalo", "C= Distanza in mm dal centro O del Solstizio Invernale")});
}

void paintDecliningFigure(QPainter &p, const ExampleFigure &figure, sheet::WallSide side)
{
    const QPointF c = figure.centre;
    // The sheet's frame: angles turn down from the right-hand half-line, the afternoon side.
    p.drawLine(QPointF(40, c.y()), QPointF(380, c.y()));
    p.setPen(QPen(Qt::darkGray, 1.0));
    for (const ExampleLine &line : figure.hours) {
        if (line.label == QLatin1String("12"))
            continue;
        p.drawPolyline(line.points);
        label(p, endLabel(figure, line.points, 12), line.label);
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(c, QPointF(c.x(), c.y() + 140));
    dot(p, c);
    label(p, c + QPointF(0, -20), QCoreApplication::translate("horalo", "Centro Orario"));
    label(p, QPointF(c.x(), c.y() + 152), QStringLiteral("12"));
    label(p, QPointF(c.x(), c.y() + 168), QStringLiteral("-90°"));
    label(p, QPointF(392, c.y() - 16), QStringLiteral("0"));
    label(p, QPointF(40, c.y() - 16), QStringLiteral("-180°"));
    label(p, QPointF(210, 284), side == sheet::WallSide::East
                                    ? QCoreApplication::translate("horalo", "Esempio per Lat = 38°, parete declinante 38° ad Est")
                                    : QCoreApplication::translate("horalo", "Esempio per Lat = 38°, parete declinante 38° ad Ovest"));
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
    return figureWindow(QCoreApplication::translate("horalo", "Verticale declinante"), QSize(420, 300), [](QPainter &p) {
        paintDecliningFigure(p, DecliningExample(sheet::WallSide::East), sheet::WallSide::East);
    });
}

QWidget *makeWestDecliningDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Verticale declinante ad Ovest"), QSize(420, 300), [](QPainter &p) {
        paintDecliningFigure(p, DecliningExample(sheet::WallSide::West), sheet::WallSide::West);
    });
}

QWidget *makeHorizontalCurvesDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Esempio"), QSize(460, 400),
                        [](QPainter &p) { paintCurvesFigure(p, HorizontalCurvesExample()); });
}

QWidget *makeVerticalCurvesDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Disegno delle curve sostiziali verticali"), QSize(460, 400),
                        [](QPainter &p) { paintCurvesFigure(p, VerticalCurvesExample()); });
}

QWidget *makeZodiacCurvesDrawing()
{
    return figureWindow(QCoreApplication::translate("horalo", "Disegno delle curve zodiacali verticali"), QSize(460, 420),
                        [](QPainter &p) {
                            paintCurves(p, ZodiacCurvesExample(), true);
                            paintLegend(p, 335,
                                        {QCoreApplication::translate("horalo", "Blu: ingresso del Sole nei segni; rosso: anniversario (qui 8°)"),
                                         QCoreApplication::translate("horalo", "Rosso scuro: solstizi; tratteggio: equinozi"),
                                         QCoreApplication::translate("horalo", "Ogni valore: distanza in mm dal centro del quadrante O lungo la linea oraria"),
                                         QCoreApplication::translate("horalo", "Esempio per Lat = 38°, parete rivolta a Sud")});
                        });
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
