#include "designer/constructionsheet.h"

#include "drawing/linenames.h"

#include "designer/coordinatemodel.h"

#include "drawing/csvwriter.h"
#include "files/atomicfile.h"
#include "sheet/numbers.h"
#include "sheet/qt/uitext.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace designer {

namespace {

const sheet::UiText kSheetTitle{QT_TRANSLATE_NOOP("horalo", "Scheda di costruzione")};
const sheet::UiText kPlace{QT_TRANSLATE_NOOP("horalo", "Luogo")};
const sheet::UiText kPlane{QT_TRANSLATE_NOOP("horalo", "Piano")};
const sheet::UiText kGnomon{QT_TRANSLATE_NOOP("horalo", "Gnomone")};
const sheet::UiText kTemplate{QT_TRANSLATE_NOOP("horalo", "Sagoma dello stilo (triangolo O, F, N)")};
const sheet::UiText kOnPlate{QT_TRANSLATE_NOOP("horalo", "Sulla lastra, dall'angolo in alto a sinistra")};
const sheet::UiText kCoordinates{QT_TRANSLATE_NOOP("horalo", "Coordinate")};
const sheet::UiText kName{QT_TRANSLATE_NOOP("horalo", "Nome")};
const sheet::UiText kLatitude{QT_TRANSLATE_NOOP("horalo", "Latitudine (°, Nord positiva)")};
const sheet::UiText kLongitude{QT_TRANSLATE_NOOP("horalo", "Longitudine (°, Est positiva)")};
const sheet::UiText kZone{QT_TRANSLATE_NOOP("horalo", "Fuso (ore)")};
const sheet::UiText kDeclination{QT_TRANSLATE_NOOP("horalo", "Declinazione della parete (°)")};
const sheet::UiText kInclination{QT_TRANSLATE_NOOP("horalo", "Inclinazione (°, 0 verticale)")};
const sheet::UiText kEast{QT_TRANSLATE_NOOP("horalo", "Est")};
const sheet::UiText kWest{QT_TRANSLATE_NOOP("horalo", "Ovest")};
const sheet::UiText kNodusHeight{QT_TRANSLATE_NOOP("horalo", "Altezza del nodo (mm)")};
const sheet::UiText kStyleLength{QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo (mm)")};
const sheet::UiText kStyleElevation{QT_TRANSLATE_NOOP("horalo", "Elevazione dello stilo (°)")};
const sheet::UiText kSideOF{QT_TRANSLATE_NOOP("horalo", "Lato O–F, sulla sustilare (mm)")};
const sheet::UiText kSideFN{QT_TRANSLATE_NOOP("horalo", "Lato F–N, altezza del nodo (mm)")};
const sheet::UiText kSideON{QT_TRANSLATE_NOOP("horalo", "Lato O–N, stilo (mm)")};
const sheet::UiText kAngleO{QT_TRANSLATE_NOOP("horalo", "Angolo in O (°)")};
const sheet::UiText kAngleF{QT_TRANSLATE_NOOP("horalo", "Angolo in F (°)")};
const sheet::UiText kAngleN{QT_TRANSLATE_NOOP("horalo", "Angolo in N (°)")};
const sheet::UiText kFoot{QT_TRANSLATE_NOOP("horalo", "Piede dello gnomone F: da sinistra; dall'alto (mm)")};
const sheet::UiText kCentre{QT_TRANSLATE_NOOP("horalo", "Centro del quadrante O: da sinistra; dall'alto (mm)")};
const sheet::UiText kSubstyle{QT_TRANSLATE_NOOP("horalo", "Angolo della sustilare (°, + verso il pomeriggio)")};
const sheet::UiText kSubstyleVertical{
    QT_TRANSLATE_NOOP("horalo", "Angolo della sustilare dalla verticale (°, + verso il pomeriggio)")};
const sheet::UiText kSubstyleRises{QT_TRANSLATE_NOOP("horalo", "La sustilare sale dalla verticale per F (°)")};
const sheet::UiText kToTheRight{QT_TRANSLATE_NOOP("horalo", "verso destra")};
const sheet::UiText kToTheLeft{QT_TRANSLATE_NOOP("horalo", "verso sinistra")};
const sheet::UiText kLongitudeDifference{QT_TRANSLATE_NOOP("horalo", "Differenza di longitudine (°, + Ovest)")};
const sheet::UiText kHole{QT_TRANSLATE_NOOP("horalo", "Diametro del foro, il cui centro è il nodo (mm)")};
const sheet::UiText kWires{QT_TRANSLATE_NOOP("horalo", "Fili")};
const sheet::UiText kWireEastWest{QT_TRANSLATE_NOOP("horalo", "Filo Est-Ovest, a sopra la linea per F (mm)")};
const sheet::UiText kWireNorthSouth{QT_TRANSLATE_NOOP("horalo", "Filo Nord-Sud, b sopra la linea per F (mm)")};
const sheet::UiText kWiresMeet{QT_TRANSLATE_NOOP("horalo", "Le linee orarie si incontrano in: x; y da F (mm)")};
const sheet::UiText kEvenWire{QT_TRANSLATE_NOOP("horalo", "Filo Nord-Sud per ore equidistanti di 15°, b = a / sin(latitudine) (mm)")};
const sheet::UiText kFootBifilar{QT_TRANSLATE_NOOP("horalo", "F, sotto l'incrocio dei fili: da sinistra; dall'alto (mm)")};
const sheet::UiText kEllipse{QT_TRANSLATE_NOOP("horalo", "Ellisse")};
const sheet::UiText kMajor{QT_TRANSLATE_NOOP("horalo", "Semiasse maggiore M, Est-Ovest (mm)")};
const sheet::UiText kMinor{QT_TRANSLATE_NOOP("horalo", "Semiasse minore M sin(latitudine), Nord-Sud (mm)")};
const sheet::UiText kHoursRead{QT_TRANSLATE_NOOP("horalo", "Ore")};
const sheet::UiText kZoneHoursCorrected{QT_TRANSLATE_NOOP("horalo", "del fuso, corrette per la longitudine")};
const sheet::UiText kApparentHours{QT_TRANSLATE_NOOP("horalo", "vere locali")};
const sheet::UiText kVerticalGnomon{QT_TRANSLATE_NOOP("horalo", "Altezza dello gnomone verticale (mm)")};
const sheet::UiText kPerson{QT_TRANSLATE_NOOP("horalo", "una persona")};
const sheet::UiText kEllipseCentre{QT_TRANSLATE_NOOP("horalo", "Centro dell'ellisse: da sinistra; dall'alto (mm)")};
const sheet::UiText kAlongTheLine{QT_TRANSLATE_NOOP("horalo", "Lungo la linea meridiana, dal piede dello gnomone F (mm)")};
const sheet::UiText kPage{QT_TRANSLATE_NOOP("horalo", "Pagina %1 di %2")};
const sheet::UiText kPdfRefused{
    QT_TRANSLATE_NOOP("horalo", "Il generatore di PDF di Qt non ha accettato la scheda: nessun file è stato scritto.")};
const QString kNone = QStringLiteral("—");

QString fixed(double v)
{
    const std::string text = sheet::FormatFixed(v, sheet::Mask::TwoDecimals);
    return text.empty() ? kNone : QString::fromStdString(text);
}

// The place as the user wrote it: every digit typed counts.
QString general(double v)
{
    const std::string text = sheet::FormatGeneral(v);
    return text.empty() ? kNone : QString::fromStdString(text);
}

QString pair(double a, double b) { return fixed(a) + QStringLiteral("; ") + fixed(b); }

constexpr double kRowMm = 4.6;
constexpr double kTitleMm = 12;
constexpr double kFooterMm = 8;
// The table's columns as the window shows them (x and y beside the label, a dark room's
// distance from F after them), with their widths as shares of the page.
struct Column {
    int model;
    double share;
    // The hour, the declination, x, y and the distance, right-aligned under their headings.
    constexpr bool number() const { return model >= 4 || model == 2; }
};
constexpr Column kColumns[] = {{0, 0.18}, {1, 0.24}, {5, 0.1}, {6, 0.1}, {2, 0.12}, {3, 0.13}, {4, 0.13}};
constexpr Column kColumnsWithDistance[] = {{0, 0.12}, {1, 0.19}, {5, 0.09}, {6, 0.09}, {7, 0.17}, {2, 0.1}, {3, 0.11}, {4, 0.13}};

} // namespace

namespace {

std::vector<SheetFact> placeFacts(const project::Project &p)
{
    return {
        {{}, kPlace},
        {kName, QString::fromStdString(p.placeName)},
        {kLatitude, general(p.latitudeDeg)},
        {kLongitude, general(p.longitudeDeg)},
        {kZone, general(p.zoneHours)},
    };
}

// A plane with a style (and a dark room, whose hole is the nodus): the plane, the gnomon, the
// style's template and where O and F stand.
void addPlaneFacts(std::vector<SheetFact> &facts, const project::Project &p, const gnomonics::DialPlane &plane)
{
    const double h = plane.nodusHeightMm;
    const double e = plane.styleElevationDeg;
    const bool centre = plane.hasCentre;
    const double declination = std::abs(p.declinationDeg);
    QString side;
    if (declination != 0.0 && declination != 180.0)
        side = QLatin1Char(' ') + (p.declinationDeg < 0 ? kEast.text() : kWest.text());
    // The template is the right triangle of the style's plane: F at the right angle, O where the
    // style meets the plate, N the nodus; O-F = h / tan e lies along the substyle.
    facts.insert(facts.end(), {
        {{}, kPlane},
        {kDeclination, fixed(declination) + side},
        {kInclination, fixed(p.inclinationDeg)},
        {{}, kGnomon},
        {kNodusHeight, fixed(h)},
        {kStyleLength, centre ? fixed(plane.styleLengthMm) : kNone},
        {kStyleElevation, fixed(e)},
        // A wall facing exactly East or West has no O, but its substyle still has a direction:
        // its angle from the vertical, as the title block prints it.
        {plane.substyleFromVertical ? kSubstyleVertical.text() : kSubstyle.text(),
         centre || plane.substyleFromVertical ? fixed(plane.substyleAngleDeg) : kNone},
        {kLongitudeDifference, fixed(plane.longitudeDifferenceDeg)},
        {{}, kTemplate},
        {kSideOF, centre ? fixed(std::sqrt(std::max(0.0, plane.styleLengthMm * plane.styleLengthMm - h * h))) : kNone},
        {kSideFN, fixed(h)},
        {kSideON, centre ? fixed(plane.styleLengthMm) : kNone},
        {kAngleO, centre ? fixed(e) : kNone},
        {kAngleF, fixed(90)},
        {kAngleN, centre ? fixed(90 - e) : kNone},
        {{}, kOnPlate},
        {kFoot, pair(p.footFromLeftMm, p.footFromTopMm)},
        // The plane's frame has y upwards; the plate is measured downwards from its top.
        {kCentre, centre ? pair(p.footFromLeftMm + plane.centre.xMm, p.footFromTopMm - plane.centre.yMm) : kNone},
    });
    // Where the wall has no O nor noon line, the substyle is laid out from the vertical through F.
    if (plane.substyleFromVertical) {
        const gnomonics::SubstyleRise rise = gnomonics::SubstyleRiseOf(plane);
        const auto after = std::find_if(facts.begin(), facts.end(), [](const SheetFact &f) { return f.label == kLongitudeDifference.text(); });
        facts.insert(after == facts.end() ? after : after + 1,
                     {kSubstyleRises, fixed(rise.fromVerticalDeg) + QLatin1Char(' ') + (rise.toTheRight ? kToTheRight.text() : kToTheLeft.text())});
    }
}

// A meridian line is laid out with a tape from the foot: the hole, then each day's distance.
void addDarkRoomFacts(std::vector<SheetFact> &facts, const project::Project &p, const gnomonics::DialLines &lines)
{
    const auto nodus = std::find_if(facts.begin(), facts.end(), [](const SheetFact &f) { return f.label == kNodusHeight.text(); });
    facts.insert(nodus == facts.end() ? nodus : nodus + 1, {kHole, fixed(p.holeMm)});
    facts.push_back({{}, kAlongTheLine});
    for (const gnomonics::DialMark &mark : lines.marks)
        if (mark.kind == gnomonics::MarkKind::NoonSpot)
            facts.push_back({QString::fromStdString(drawing::ShownDayName(mark.dateLine.date)),
                             fixed(std::hypot(mark.at.xMm, mark.at.yMm))});
}

// Two wires over a horizontal plate: their heights, where the hour lines meet, and the second
// wire's height that spaces the hours 15 degrees apart.
void addBifilarFacts(std::vector<SheetFact> &facts, const project::Project &p, const gnomonics::DialPlane &plane)
{
    const double sinPhi = std::abs(std::sin(p.latitudeDeg * std::numbers::pi / 180.0));
    facts.insert(facts.end(), {
        {{}, kWires},
        {kWireEastWest, fixed(p.wireEastWestMm)},
        {kWireNorthSouth, fixed(p.wireNorthSouthMm)},
        {kWiresMeet, plane.hasCentre ? pair(plane.centre.xMm, plane.centre.yMm) : kNone},
        {kEvenWire, sinPhi > 0 ? fixed(p.wireEastWestMm / sinPhi) : kNone},
        {{}, kOnPlate},
        {kFootBifilar, pair(p.footFromLeftMm, p.footFromTopMm)},
    });
}

// The ellipse of an analemmatic dial: its axes, its hours, where its centre stands.
void addAnalemmaticFacts(std::vector<SheetFact> &facts, const project::Project &p)
{
    const double minor = p.semiAxisMm * std::abs(std::sin(p.latitudeDeg * std::numbers::pi / 180.0));
    facts.insert(facts.end(), {
        {{}, kEllipse},
        {kMajor, fixed(p.semiAxisMm)},
        {kMinor, fixed(minor)},
        {kHoursRead, p.clock ? kZoneHoursCorrected.text() : kApparentHours.text()},
        {kVerticalGnomon, p.analemmaticGnomonMm > 0 ? fixed(p.analemmaticGnomonMm) : kPerson.text()},
        {{}, kOnPlate},
        {kEllipseCentre, pair(p.footFromLeftMm, p.footFromTopMm)},
    });
}

} // namespace

std::vector<SheetFact> ConstructionFacts(const project::Project &p, const DesignedDial &dial)
{
    std::vector<SheetFact> facts = placeFacts(p);
    switch (p.kind) {
    case gnomonics::DialKind::Plane: addPlaneFacts(facts, p, dial.lines.plane); break;
    case gnomonics::DialKind::DarkRoom:
        addPlaneFacts(facts, p, dial.lines.plane);
        addDarkRoomFacts(facts, p, dial.lines);
        break;
    case gnomonics::DialKind::Bifilar: addBifilarFacts(facts, p, dial.lines.plane); break;
    case gnomonics::DialKind::Analemmatic: addAnalemmaticFacts(facts, p); break;
    }
    return facts;
}

namespace {

// The sheet's table as the "Coordinate" tab shows it (a dark room's with each point's distance
// from F), and its columns on the page.
std::span<const Column> fillTable(CoordinateModel &table, const DesignedDial &dial)
{
    table.showDial(dial.lines);
    return table.hasDistanceColumn() ? std::span<const Column>(kColumnsWithDistance) : std::span<const Column>(kColumns);
}

// A text wider than its box (a long heading, a long name in English) is set smaller rather
// than cut.
void drawFitted(QPainter &painter, const QRectF &box, const QString &text, const QFont &font, Qt::Alignment align)
{
    QFont fitted = font;
    const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    if (wide > box.width() && wide > 0)
        fitted.setPointSizeF(std::max(5.0, font.pointSizeF() * box.width() / wide));
    painter.setFont(fitted);
    painter.drawText(box, align | Qt::AlignVCenter, text);
}

} // namespace

bool PaintConstructionSheet(QPainter &painter, const std::function<bool()> &newPage, const project::Project &project,
                            const DesignedDial &dial, double widthMm, double heightMm, double dotsPerMm)
{
    const std::vector<SheetFact> facts = ConstructionFacts(project, dial);
    CoordinateModel table;
    const std::span<const Column> columns = fillTable(table, dial);
    const int rows = table.rowCount();
    const double usable = heightMm - kTitleMm - kFooterMm;
    const int perPage = std::max(1, static_cast<int>(usable / kRowMm) - 1); // a header row on each page
    const double factsMm = (static_cast<double>(facts.size()) + 1) * kRowMm;
    const int firstPageRows = std::max(0, static_cast<int>((usable - factsMm) / kRowMm) - 2);
    const int pages = 1 + (rows > firstPageRows ? (rows - firstPageRows + perPage - 1) / perPage : 0);

    auto mm = [dotsPerMm](double v) { return v * dotsPerMm; };
    QFont font = painter.font();
    font.setPointSizeF(8.5);
    QFont bold = font;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(13);
    auto text = [&](double x, double y, double w, const QString &s, const QFont &f, Qt::Alignment align = Qt::AlignLeft) {
        drawFitted(painter, QRectF(mm(x), mm(y), mm(w), mm(kRowMm)), s, f, align);
    };
    int page = 1;
    auto startPage = [&] {
        text(0, 0, widthMm, kSheetTitle.text() + QStringLiteral(" — ") + QString::fromStdString(project.placeName), title);
        text(0, heightMm - kRowMm, widthMm, kPage.text().arg(page).arg(pages), font, Qt::AlignRight);
    };
    startPage();
    double y = kTitleMm;
    for (const SheetFact &f : facts) {
        if (f.label.isEmpty()) {
            y += kRowMm * 0.4;
            text(0, y, widthMm, f.value, bold);
        } else {
            text(4, y, 110, f.label, font);
            text(115, y, widthMm - 115, f.value, font);
        }
        y += kRowMm;
    }
    y += kRowMm * 0.6;
    text(0, y, widthMm, kCoordinates, bold);
    y += kRowMm;
    // One row of the table: the headings (row -1) or a point's cells.
    auto tableRow = [&](int r) {
        double x = 0;
        for (const Column &c : columns) {
            const QString cell = r < 0 ? table.headerData(c.model, Qt::Horizontal).toString()
                                       : table.data(table.index(r, c.model)).toString();
            text(x, y, widthMm * c.share - 2, cell, r < 0 ? bold : font, c.number() ? Qt::AlignRight : Qt::AlignLeft);
            x += widthMm * c.share;
        }
        y += kRowMm;
    };
    tableRow(-1);
    for (int r = 0; r < rows; ++r) {
        if (y + kRowMm > heightMm - kFooterMm) {
            if (!newPage())
                return false;
            ++page;
            startPage();
            y = kTitleMm;
            tableRow(-1);
        }
        tableRow(r);
    }
    return true;
}

bool ExportConstructionSheet(const QString &path, const project::Project &project, const DesignedDial &dial,
                             QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!dial.ok)
        return fail(dial.message);
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(kSheetTitle);
        const QRectF area = writer.pageLayout().paintRect(QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer))
            return fail(kPdfRefused);
        const bool ok = PaintConstructionSheet(painter, [&writer] { return writer.newPage(); }, project, dial,
                                               area.width(), area.height(), 300 / 25.4);
        painter.end();
        if (!ok)
            return fail(kPdfRefused);
    }
    if (document.isEmpty())
        return fail(kPdfRefused);
    std::string why;
    if (!files::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                    std::string_view(document.constData(), static_cast<std::size_t>(document.size())), &why))
        return fail(QString::fromStdString(why));
    return true;
}

} // namespace designer
