#include "drawing/sheetsketch.h"

#include "drawing/textformat.h"

#include "sheet/horizontalcurves.h"
#include "sheet/verticalcurves.h"
#include "sheet/verticalstyle.h"
#include "sheet/zodiac.h"
#include "sheet/markedtext.h"
#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

namespace drawing {

using gnomonics::DialLine;
using gnomonics::LineFamily;
using sheet::WallSide;

namespace {

const sheet::MarkedText kEquinoxText{QT_TRANSLATE_NOOP("horalo", "Equinozi")};
const std::array<sheet::MarkedText, 4> kSignTexts{
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Gemelli e Leone")}, sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Toro e Vergine")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Scorpione e Pesci")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Sagittario e Acquario")}};
const sheet::MarkedText kEastText{QT_TRANSLATE_NOOP("horalo", "Est")};
const sheet::MarkedText kWestText{QT_TRANSLATE_NOOP("horalo", "Ovest")};
const sheet::MarkedText kHorizontalSheetText{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali orizzontale")};
const sheet::MarkedText kVerticalSheetText{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali verticale")};
const sheet::MarkedText kZodiacSheetText{QT_TRANSLATE_NOOP("horalo", "Curve zodiacali e anniversario")};
const sheet::MarkedText kLatitudeCaption{QT_TRANSLATE_NOOP("horalo", "Latitudine ")};
const sheet::MarkedText kDeclinationCaption{QT_TRANSLATE_NOOP("horalo", "Declinazione ")};
const sheet::MarkedText kStyleCaption{QT_TRANSLATE_NOOP("horalo", "Stilo ")};
const sheet::MarkedText kHorizontalTitle{QT_TRANSLATE_NOOP("horalo", "Disegno curve orizzontali")};
const sheet::MarkedText kVerticalTitle{QT_TRANSLATE_NOOP("horalo", "Disegno curve verticali")};
const sheet::MarkedText kZodiacTitle{QT_TRANSLATE_NOOP("horalo", "Disegno curve zodiacali")};
const sheet::MarkedText kReachText{
    QT_TRANSLATE_NOOP("horalo", "Linee fermate a <mm> mm da O (12 volte lo stilo): oltre, l'ombra corre via")};
const sheet::MarkedText kCurveDeclinationsText{QT_TRANSLATE_NOOP("horalo", "Curve per declinazioni del Sole di ")};
const sheet::MarkedText kMissingCurvesText{
    QT_TRANSLATE_NOOP("horalo", "Non disegnate (Sole sotto l'orizzonte o ombra oltre il limite): ")};

// The sheets' curves stand at declinations of their own, not at a year's solstices; the year
// only sets the span of the hour lines, which the curves then stretch to meet.
constexpr int kSheetYear = 2000;
// Room around the lines for their labels, as a multiple of the label height.
constexpr double kLabelRoom = 4.0;
constexpr double kMarginMm = 10.0;

std::string number(double value) { return sheet::FormatGeneral(value); }

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

SheetSketch refused(sheet::Refusal refusal)
{
    SheetSketch out;
    out.refusal = refusal;
    return out;
}

struct SheetDial {
    double latitudeDeg = 0;
    double declinationDeg = 0; // signed, West positive
    double inclinationDeg = 0;
    double styleMm = 0;
    int firstHour = 0;
    int lastHour = 0;
    std::vector<gnomonics::NamedDeclination> curves;
    std::string title;
    std::vector<std::string> blockLines;
};

std::string dayOf(int month) { return ShownDayName({kSheetYear, month, 21}); }

// A curve's pieces over the table's hours: each piece runs in the order of the day, so what
// lies between the first and the last hour is one run of it.
void keepTableHours(DialLine &line, double first, double last)
{
    std::vector<std::vector<gnomonics::DialPoint>> kept;
    for (const auto &piece : line.pieces) {
        std::vector<gnomonics::DialPoint> run;
        for (const auto &p : piece)
            if (p.apparentHours >= first - 1e-9 && p.apparentHours <= last + 1e-9)
                run.push_back(p);
        if (run.size() >= 2)
            kept.push_back(std::move(run));
    }
    line.pieces = std::move(kept);
}

// The part of a construction line inside the box, or nothing.
std::optional<gnomonics::Segment> within(const std::optional<gnomonics::Segment> &s,
                                         const gnomonics::ClipRect &box)
{
    if (!s)
        return std::nullopt;
    const gnomonics::FrameLine line{s->a, {s->b.xMm - s->a.xMm, s->b.yMm - s->a.yMm}};
    return gnomonics::ClipStraightLine(line, box);
}

// The engine's design for a sheet's dial, and O and how far the lines reach from it; nothing
// when the engine cannot make the plane.
struct SheetPlan {
    gnomonics::DialSpec design;
    gnomonics::Point2 o;
    double reach = 0;
};

std::optional<SheetPlan> planSheet(const SheetDial &in)
{
    SheetPlan plan;
    gnomonics::DialSpec &design = plan.design;
    design.place = {in.latitudeDeg, 0.0, 0.0, false};
    design.declinationDeg = in.declinationDeg;
    design.inclinationDeg = in.inclinationDeg;
    // The sheets give the style's length from O; the engine's plane is given the nodus height
    // it makes, which also serves a style standing within a thousandth of a degree of the plane
    // (a dial near the equator, a wall almost along the meridian), where the sheets still draw.
    const auto probe = gnomonics::MakeDialPlane({in.latitudeDeg, in.declinationDeg, in.inclinationDeg,
                                                 gnomonics::GnomonSize::NodusHeight, 1.0});
    if (!probe.status.ok())
        return std::nullopt;
    const double pn = gnomonics::dot(probe.plane.pole, probe.plane.normal);
    // A style lying within a hair of the plane (a horizontal dial on the equator) casts every
    // shadow within a hundredth of a millimetre of F: there is nothing to draw, as at latitude 0.
    const double nodusMm = in.styleMm * std::abs(pn);
    if (!(nodusMm >= kSmallestNodusMm) || !std::isfinite(nodusMm))
        return std::nullopt;
    design.gnomon = gnomonics::GnomonSize::NodusHeight;
    design.gnomonMm = nodusMm;
    design.year = kSheetYear;
    design.hours = {};
    design.hours.apparent = true;
    design.dates = {};
    design.dates.solsticesEquinoxes = false;
    design.dates.declinations = in.curves;

    const auto made = gnomonics::MakeDialPlane({in.latitudeDeg, in.declinationDeg, in.inclinationDeg,
                                                gnomonics::GnomonSize::NodusHeight, nodusMm});
    if (!made.status.ok())
        return std::nullopt;
    // O: where the style, from the nodus along the Earth's axis, meets the plane.
    plan.o = made.plane.hasCentre ? made.plane.centre
                                  : gnomonics::ToFrame(made.plane, made.plane.nodus - (nodusMm / pn) * made.plane.pole);
    if (!std::isfinite(plan.o.xMm) || !std::isfinite(plan.o.yMm))
        return std::nullopt;
    plan.reach = kSheetReachStyles * in.styleMm;
    const gnomonics::Point2 o = plan.o;
    design.plate = {o.xMm - plan.reach, o.xMm + plan.reach, o.yMm - plan.reach, o.yMm + plan.reach, plan.reach, o};
    return plan;
}

// The table's whole hours, and the curves over them.
void keepTable(gnomonics::DialLines &dial, const SheetDial &in)
{
    std::erase_if(dial.lines, [&](const DialLine &l) {
        return l.family == LineFamily::ApparentTime &&
               (l.hour < in.firstHour || l.hour > in.lastHour || l.pieces.empty());
    });
    for (DialLine &l : dial.lines)
        if (l.family == LineFamily::DateLine)
            keepTableHours(l, in.firstHour, in.lastHour);
}

// No plate: the box of what is drawn (O and F with it), with room for the labels; the
// construction lines cut to it.
void frameWithoutPlate(gnomonics::DialLines &dial, gnomonics::Point2 o)
{
    Box box{o.xMm, o.yMm, o.xMm, o.yMm};
    box.include(Pt{0, 0});
    for (const DialLine &l : dial.lines)
        for (const auto &piece : l.pieces)
            for (const auto &p : piece)
                box.include(Pt{p.xMm, p.yMm});
    const double side = std::min(box.right - box.left, box.top - box.bottom);
    const double labelMm = std::clamp(side / 130.0, 2.5, 12.0);
    const double margin = kMarginMm + kLabelRoom * labelMm;
    gnomonics::ClipRect plate{box.left - margin, box.right + margin, box.bottom - margin, box.top + margin, 0.0, {}};
    dial.design.plate = plate;
    auto &c = dial.construction;
    c.substyle = within(c.substyle, plate);
    c.noon = within(c.noon, plate);
    c.equinoctial = within(c.equinoctial, plate);
    c.horizon = within(c.horizon, plate);
    dial.centreOnPlate = true;
    dial.footOnPlate = true;
}

// The sheet's title and block lines. They say where the lines stop, and which curves the
// drawing could not show at all, so that no curve is missing without a word.
SketchTitle sheetTitle(const SheetDial &in, double reach, const gnomonics::DialLines &dial)
{
    SketchTitle title;
    title.noPlate = true;
    title.title = in.title;
    title.blockLines = in.blockLines;
    std::string reachText = kReachText.text();
    if (const auto at = reachText.find("<mm>"); at != std::string::npos)
        reachText.replace(at, 4, DecimalShown(reach, 0));
    else
        reachText += " (" + DecimalShown(reach, 0) + " mm)"; // a translation that lost the place
    title.blockLines.push_back(reachText);
    std::string missing;
    for (const DialLine &l : dial.lines)
        if (l.family == LineFamily::DateLine && l.pieces.empty())
            missing += (missing.empty() ? "" : ", ") + l.dateLine.name;
    if (!missing.empty())
        title.blockLines.push_back(kMissingCurvesText.text() + missing);
    return title;
}

SheetSketch build(const SheetDial &in)
{
    const std::optional<SheetPlan> plan = planSheet(in);
    if (!plan)
        return refused(sheet::Refusal::OutOfRange);
    SheetSketch out;
    out.dial = gnomonics::BuildDialLines(plan->design);
    if (!out.dial.status.ok())
        return refused(sheet::Refusal::OutOfRange);
    gnomonics::DialLines &dial = out.dial;
    if (!dial.plane.hasCentre) {
        // Polar to the engine, not to the sheet: the drawing keeps the sheet's centre and style.
        dial.plane.hasCentre = true;
        dial.plane.centre = plan->o;
        dial.plane.styleLengthMm = in.styleMm;
    }
    keepTable(dial, in);
    frameWithoutPlate(dial, plan->o);
    out.sketch = BuildDialSketch(dial, sheetTitle(in, plan->reach, dial));
    return out;
}

std::string sideText(WallSide side) { return side == WallSide::East ? kEastText.text() : kWestText.text(); }

SheetDial verticalDial(double latitudeDeg, double declinationDeg, double styleMm, WallSide side,
                       const sheet::MarkedText &sheetText, const sheet::MarkedText &title)
{
    SheetDial d;
    d.latitudeDeg = latitudeDeg;
    const double magnitude = std::abs(declinationDeg);
    d.declinationDeg = side == WallSide::East ? -magnitude : magnitude;
    d.inclinationDeg = 0.0;
    d.styleMm = styleMm;
    d.firstHour = 5;
    d.lastHour = 19;
    // A wall that does not decline turns to neither side: both buttons give the same drawing.
    d.title = declinationDeg == 0.0 ? title.text() : title.text() + " " + sideText(side);
    d.blockLines = {sheetText.text(), kLatitudeCaption.text() + number(latitudeDeg) + "°",
                    // A wall that does not decline turns to neither side.
                    kDeclinationCaption.text() + number(declinationDeg) + "°" +
                        (declinationDeg == 0.0 ? std::string() : " " + sideText(side)),
                    kStyleCaption.text() + number(styleMm) + " mm"};
    return d;
}

std::vector<gnomonics::NamedDeclination> solsticeCurves()
{
    return {{sheet::kSolsticeDeclinationsDeg[0], dayOf(6)},
            {sheet::kSolsticeDeclinationsDeg[2], kEquinoxText.text()},
            {sheet::kSolsticeDeclinationsDeg[1], dayOf(12)}};
}

} // namespace

SheetSketch BuildHorizontalSheetSketch(double latitudeDeg, double styleMm)
{
    if (!sheet::CheckPresent({latitudeDeg, styleMm}))
        return refused(sheet::Refusal::Missing);
    if (!sheet::CheckPositive({styleMm}))
        return refused(sheet::Refusal::Negative);
    if (!allFinite({latitudeDeg, styleMm}) || !(std::abs(latitudeDeg) < 90.0))
        return refused(sheet::Refusal::OutOfRange);
    if (styleMm > kMaxSheetStyleMm)
        return refused(sheet::Refusal::StyleTooLong);
    SheetDial d;
    d.latitudeDeg = latitudeDeg;
    d.inclinationDeg = 90.0;
    d.styleMm = styleMm;
    d.firstHour = sheet::HorizontalCurveHour(0);
    d.lastHour = sheet::HorizontalCurveHour(sheet::kHorizontalCurveRows - 1);
    d.curves = solsticeCurves();
    d.title = kHorizontalTitle.text();
    d.blockLines = {kHorizontalSheetText.text(), kLatitudeCaption.text() + number(latitudeDeg) + "°",
                    kStyleCaption.text() + number(styleMm) + " mm"};
    return build(d);
}

SheetSketch BuildVerticalSheetSketch(double latitudeDeg, double declinationDeg, double styleMm, WallSide side)
{
    const sheet::Refusal r = sheet::CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
    if (r != sheet::Refusal::None)
        return refused(r);
    if (!allFinite({latitudeDeg, declinationDeg, styleMm}))
        return refused(sheet::Refusal::OutOfRange);
    if (styleMm > kMaxSheetStyleMm)
        return refused(sheet::Refusal::StyleTooLong);
    SheetDial d = verticalDial(latitudeDeg, declinationDeg, styleMm, side, kVerticalSheetText, kVerticalTitle);
    d.curves = solsticeCurves();
    return build(d);
}

SheetSketch BuildZodiacSheetSketch(double latitudeDeg, double declinationDeg, double styleMm, WallSide side,
                                   double sign1Deg, double sign2Deg, double anniversaryDeg,
                                   const std::string &anniversaryLabel)
{
    const sheet::Refusal r = sheet::CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
    if (r != sheet::Refusal::None)
        return refused(r);
    if (!allFinite({latitudeDeg, declinationDeg, styleMm, sign1Deg, sign2Deg, anniversaryDeg}))
        return refused(sheet::Refusal::OutOfRange);
    const auto declinations = sheet::ZodiacDeclinationsDeg(sign1Deg, sign2Deg, anniversaryDeg);
    for (double dcl : declinations)
        if (!(std::abs(dcl) < 90.0))
            return refused(sheet::Refusal::OutOfRange);
    if (styleMm > kMaxSheetStyleMm)
        return refused(sheet::Refusal::StyleTooLong);
    SheetDial d = verticalDial(latitudeDeg, declinationDeg, styleMm, side, kZodiacSheetText, kZodiacTitle);
    std::string values;
    for (std::size_t i = 0; i < declinations.size(); ++i) {
        d.curves.push_back({declinations[i], i < kSignTexts.size() ? kSignTexts[i].text() : anniversaryLabel});
        values += (i == 0 ? "" : ", ") + number(declinations[i]) + "°";
    }
    d.blockLines.push_back(kCurveDeclinationsText.text() + values);
    return build(d);
}

} // namespace drawing
