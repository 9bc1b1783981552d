#include "drawing/titleblock.h"

#include "drawing/linenames.h"
#include "drawing/textformat.h"
#include "sheet/markedtext.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace drawing {

namespace {

std::string say(const char *italian) { return sheet::translated(italian); }
std::string say(const char *italian, const std::vector<std::string> &args) { return sheet::translatedWith(italian, args); }

// The block's lines one under the other; while muted, lines asked for are left out.
struct BlockWriter {
    Piece piece;
    double th = 0;
    double y = 0;
    double widest = 0;
    bool muted = false;

    void line(const std::string &text, Layer layer = Layer::Texts, double scale = 1.0)
    {
        if (muted)
            return;
        y -= th * scale * 1.6;
        Label l;
        l.at = {0, y};
        l.text = text;
        l.heightMm = th * scale;
        l.layer = layer;
        widest = std::max(widest, TextWidthMm(text, th * scale));
        piece.labels.push_back(l);
    }
};

void add(std::string &s, const std::string &t) { s += (s.empty() ? "" : ", ") + t; }

std::string hoursText(const gnomonics::DialSpec &design)
{
    std::string hours;
    // A dark room's lines are all of noon: the apparent noon line and the figure eights.
    if (design.kind == gnomonics::DialKind::DarkRoom) {
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "mezzogiorno vero, mezzogiorno medio locale (anno %1)"), {std::to_string(design.year)}));
        if (design.hours.clock)
            add(hours, say(QT_TRANSLATE_NOOP("horalo", "mezzogiorno civile")));
        return hours;
    }
    if (design.hours.apparent)
        add(hours, design.hours.quarterHours ? say(QT_TRANSLATE_NOOP("horalo", "vere e quarti d'ora"))
                   : design.hours.halfHours  ? say(QT_TRANSLATE_NOOP("horalo", "vere e mezze ore"))
                                             : say(QT_TRANSLATE_NOOP("horalo", "vere")));
    const bool localMean = design.hours.clockKind == gnomonics::ClockKind::LocalMean;
    if (design.hours.clock)
        add(hours, say(localMean ? QT_TRANSLATE_NOOP("horalo", "medie locali (analemma %1, anno %2)")
                                 : QT_TRANSLATE_NOOP("horalo", "civili (analemma %1, anno %2)"),
                       {design.hours.analemma == gnomonics::AnalemmaMode::Whole    ? say(QT_TRANSLATE_NOOP("horalo", "intero"))
                        : design.hours.analemma == gnomonics::AnalemmaMode::Halves ? say(QT_TRANSLATE_NOOP("horalo", "a metà"))
                                                                                   : say(QT_TRANSLATE_NOOP("horalo", "del mezzogiorno")),
                        std::to_string(design.year)}));
    if (design.hours.italic)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "italiche")));
    if (design.hours.babylonian)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "babiloniche")));
    if (design.hours.temporary)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "temporarie")));
    return hours;
}

std::string datesText(const gnomonics::DialSpec &design)
{
    std::string dates;
    if (design.dates.solsticesEquinoxes)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "solstizi ed equinozi")));
    if (design.dates.zodiac)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "segni zodiacali")));
    if (design.dates.monthFirsts)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "primo del mese")));
    for (const auto &day : design.dates.dates)
        add(dates, ShownDayName(day) + " " + std::to_string(day.year));
    return dates;
}

// The designer's own account of its inputs: place, clock, wall, gnomon, lines and plate.
void writeInputs(BlockWriter &block, const gnomonics::DialLines &dial)
{
    const auto &design = dial.design;
    const auto &clip = design.plate;
    const auto &place = design.place;
    const double d = design.declinationDeg;
    const char *plane = std::abs(d) < 1e-9 ? QT_TRANSLATE_NOOP("horalo", "Declinazione del piano %1 (Sud)  inclinazione %2")
                        : std::abs(std::abs(d) - 180) < 1e-9 ? QT_TRANSLATE_NOOP("horalo", "Declinazione del piano %1 (Nord)  inclinazione %2")
                        : d < 0 ? QT_TRANSLATE_NOOP("horalo", "Declinazione del piano %1 Est  inclinazione %2")
                                : QT_TRANSLATE_NOOP("horalo", "Declinazione del piano %1 Ovest  inclinazione %2");
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Latitudine %1  longitudine %2 (Est positiva)"),
                   {DegreesText(place.latitudeDeg, 4), DegreesText(place.longitudeDeg, 4)}));
    block.line(say(place.summerTime ? QT_TRANSLATE_NOOP("horalo", "Fuso %1 h, ora legale") : QT_TRANSLATE_NOOP("horalo", "Fuso %1 h, senza ora legale"),
                   {DecimalShown(place.zoneHours, 2)}));
    block.line(say(plane, {DegreesText(std::abs(d), 2), DegreesText(design.inclinationDeg, 2)}));
    // The bifilar and analemmatic dials say their wires or their ellipse below instead.
    const bool withGnomon = design.kind == gnomonics::DialKind::Plane || design.kind == gnomonics::DialKind::DarkRoom;
    if (withGnomon)
        block.line(say(design.gnomon == gnomonics::GnomonSize::StyleLength ? QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo %1 mm")
                                                                       : QT_TRANSLATE_NOOP("horalo", "Altezza del nodo %1 mm"),
                   {DecimalShown(design.gnomonMm, 1)}));
    const std::string hours = hoursText(design);
    // Refraction moves every line a little: the block says whether it was reckoned. An
    // analemmatic dial's marks stand by the hour angle alone: its own lines say its hours.
    if (design.kind != gnomonics::DialKind::Analemmatic)
        block.line(say(design.refraction ? QT_TRANSLATE_NOOP("horalo", "Ore: %1; con rifrazione (alba e tramonto col Sole 34′ sotto l'orizzonte)")
                                         : QT_TRANSLATE_NOOP("horalo", "Ore: %1; senza rifrazione"),
                       {hours.empty() ? say(QT_TRANSLATE_NOOP("horalo", "nessuna")) : hours}));
    // An analemmatic dial and a dark room mark their days on a scale or a line, not with lines.
    const bool marksDays = design.kind == gnomonics::DialKind::Analemmatic || design.kind == gnomonics::DialKind::DarkRoom;
    const std::string dates = datesText(design);
    block.line(say(marksDays ? QT_TRANSLATE_NOOP("horalo", "Date segnate: %1") : QT_TRANSLATE_NOOP("horalo", "Linee diurne: %1"),
                   {dates.empty() ? say(QT_TRANSLATE_NOOP("horalo", "nessuna")) : dates}));
    if (design.sky.azimuthStepDeg > 0)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Linee di azimut ogni %1 (dal Sud, + a Ovest)"), {DegreesText(design.sky.azimuthStepDeg, 2)}));
    if (design.sky.altitudeStepDeg > 0)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Linee di altezza del Sole ogni %1"), {DegreesText(design.sky.altitudeStepDeg, 2)}));

    const bool ellipse = design.kind == gnomonics::DialKind::Analemmatic;
    block.line(say(ellipse ? QT_TRANSLATE_NOOP("horalo", "Lastra %1 × %2 mm, centro dell'ellisse a %3 mm da sinistra e %4 mm dall'alto")
                   : dial.footOnPlate
                       ? QT_TRANSLATE_NOOP("horalo", "Lastra %1 × %2 mm, piede dello gnomone F a %3 mm da sinistra e %4 mm dall'alto")
                       : QT_TRANSLATE_NOOP("horalo", "Lastra %1 × %2 mm, piede dello gnomone F a %3 mm da sinistra e %4 mm dall'alto (fuori dalla lastra)"),
                   {DecimalShown(clip.rightMm - clip.leftMm, 0), DecimalShown(clip.topMm - clip.bottomMm, 0),
                    DecimalShown(-clip.leftMm, 0), DecimalShown(clip.topMm, 0)}));
}

// What the maker sets the style by: its elevation and lengths, the substyle, O, the scale.
void writeConstruction(BlockWriter &block, const gnomonics::DialPlane &plane)
{
    // The signs of the two angles are this program's conventions; the block says them.
    block.line(plane.hasCentre ? say(QT_TRANSLATE_NOOP("horalo", "Elevazione dello stilo %1  altezza del nodo %2 mm  stilo O-nodo %3 mm"),
                                     {DegreesText(plane.styleElevationDeg, 2), DecimalShown(plane.nodusHeightMm, 1),
                                      DecimalShown(plane.styleLengthMm, 1)})
                               : say(QT_TRANSLATE_NOOP("horalo", "Elevazione dello stilo %1  altezza del nodo %2 mm"),
                                     {DegreesText(plane.styleElevationDeg, 2), DecimalShown(plane.nodusHeightMm, 1)}));
    block.line(say(plane.substyleFromVertical ? QT_TRANSLATE_NOOP("horalo", "Angolo della sustilare %1 dalla verticale (+ verso il pomeriggio)")
                                              : QT_TRANSLATE_NOOP("horalo", "Angolo della sustilare %1 dalla meridiana (+ verso il pomeriggio)"),
                   {DegreesText(plane.substyleAngleDeg, 2)}));
    // A wall facing exactly East or West has no noon line to lay a protractor on, nor an
    // afternoon: the block also says, in words, which way the substyle (the style's own line)
    // rises from the vertical through F.
    if (plane.substyleFromVertical) {
        const gnomonics::SubstyleRise rise = gnomonics::SubstyleRiseOf(plane);
        block.line(say(rise.toTheRight ? QT_TRANSLATE_NOOP("horalo", "La sustilare sale verso destra, a %1 dalla verticale")
                                       : QT_TRANSLATE_NOOP("horalo", "La sustilare sale verso sinistra, a %1 dalla verticale"),
                       {DegreesText(rise.fromVerticalDeg, 2)}));
    }
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Differenza di longitudine %1 (+ a Ovest)"), {DegreesText(plane.longitudeDifferenceDeg, 2)}));
    if (plane.hasCentre)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Centro del quadrante O (radice dello stilo) a x %1, y %2 mm da F"),
                       {DecimalShown(plane.centre.xMm, 1), DecimalShown(plane.centre.yMm, 1)}));
    else
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Quadrante polare: lo stilo è parallelo al piano, senza centro")));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Scala 1:1, misure in mm dal piede dello gnomone F (x a destra, y in alto)")));
}

// The analemmatic dial's ellipse: its axes and the latitude it is drawn for.
void writeAnalemmatic(BlockWriter &block, const gnomonics::DialSpec &design)
{
    const double m = design.analemmatic.semiAxisMm;
    const double minor = m * std::abs(std::sin(design.place.latitudeDeg * std::numbers::pi / 180.0));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Quadrante analemmatico: semiasse maggiore M %1 mm (Est-Ovest)"), {DecimalShown(m, 1)}));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Semiasse minore M sin(latitudine) %1 mm (Nord-Sud), latitudine %2"),
                   {DecimalShown(minor, 1), DegreesText(design.place.latitudeDeg, 4)}));
    block.line(design.hours.clock ? say(QT_TRANSLATE_NOOP("horalo", "Ore del fuso corrette per la longitudine; l'equazione del tempo nella tabella"))
                                  : say(QT_TRANSLATE_NOOP("horalo", "Ore vere locali")));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Chi fa da gnomone sta diritto sulla data del giorno; misure in mm dal centro dell'ellisse (x a Est, y a Nord)")));
}

// The bifilar dial's wires, where its hour lines meet, and the height of the second wire that
// spaces them 15 degrees apart.
void writeBifilar(BlockWriter &block, const gnomonics::DialSpec &design, const gnomonics::DialPlane &plane)
{
    const double a = design.bifilar.eastWestMm, b = design.bifilar.northSouthMm;
    const double sinPhi = std::abs(std::sin(design.place.latitudeDeg * std::numbers::pi / 180.0));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Quadrante bifilare: filo Est-Ovest a %1 mm sopra la linea per F"), {DecimalShown(a, 1)}));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "filo Nord-Sud a %1 mm sopra la linea per F"), {DecimalShown(b, 1)}));
    if (plane.hasCentre)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Le linee orarie si incontrano in x 0, y %1 mm da F"), {DecimalShown(plane.centre.yMm, 1)}));
    const double even = a / sinPhi;
    if (std::abs(b - even) < 0.05)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Con b = a / sin(latitudine) le ore sono equidistanti, 15° l'una dall'altra")));
    else
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Per ore equidistanti di 15°: filo Nord-Sud a %1 mm (b = a / sin(latitudine))"), {DecimalShown(even, 1)}));
    block.line(say(QT_TRANSLATE_NOOP("horalo", "Scala 1:1, misure in mm da F (x a Est, y a Nord)")));
}

// The families of lines, each in its own colour.
void writeLegend(BlockWriter &block, const gnomonics::DialSpec &design)
{
    switch (design.kind) {
    case gnomonics::DialKind::Analemmatic:
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Punti delle ore sull'ellisse")), Layer::Analemmatic);
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Scala delle date")), Layer::DateScale);
        return;
    case gnomonics::DialKind::DarkRoom:
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Linea meridiana (mezzogiorno vero) e giorni segnati")), Layer::Meridian);
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Mezzogiorno medio locale")), Layer::MeanHours);
        if (design.hours.clock)
            block.line(say(QT_TRANSLATE_NOOP("horalo", "Mezzogiorno civile (tempo del fuso)")), Layer::ClockHours);
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Macchie di luce ai solstizi e agli equinozi")), Layer::Spots);
        return;
    case gnomonics::DialKind::Bifilar:
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Fili, in pianta")), Layer::Wires);
        break;
    case gnomonics::DialKind::Plane: break;
    }
    if (design.hours.apparent)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Ore vere")), Layer::Hours);
    if (design.hours.clock && design.hours.clockKind == gnomonics::ClockKind::LocalMean)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Ore medie locali (tempo medio del luogo)")), Layer::MeanHours);
    else if (design.hours.clock)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Ore civili (tempo del fuso)")), Layer::ClockHours);
    if (design.hours.quarterHours && (design.hours.apparent || design.hours.clock))
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Quarti d'ora: linee sottili senza numero")), Layer::Texts);
    if (design.hours.clock && design.hours.equationOfTime && design.hours.analemma == gnomonics::AnalemmaMode::Halves) {
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Da dicembre a giugno: linea continua")), Layer::ClockHours);
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Da giugno a dicembre: linea tratteggiata")), Layer::ClockHours);
    }
    if (design.hours.italic)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Ore italiche")), Layer::Italic);
    if (design.hours.babylonian)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Ore babiloniche")), Layer::Babylonian);
    if (design.hours.temporary)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Ore temporarie")), Layer::Temporary);
    if (design.sky.azimuthStepDeg > 0)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Linee di azimut")), Layer::Azimuth);
    if (design.sky.altitudeStepDeg > 0)
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Linee di altezza")), Layer::Altitude);
    if (!datesText(design).empty() || !design.dates.declinations.empty())
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Linee diurne")), Layer::Dates);
}

} // namespace

Piece TitleBlockPiece(const gnomonics::DialLines &dial, const std::string &heading, const SketchTitle &title, double th)
{
    BlockWriter block;
    block.th = th;
    block.line(heading, Layer::Texts, 1.4);
    for (const std::string &text : title.blockLines)
        block.line(text);
    // The designer's own account of its inputs; a sheet's drawing gave its lines above.
    block.muted = !title.blockLines.empty();
    writeInputs(block, dial);
    block.muted = false;
    switch (dial.design.kind) {
    case gnomonics::DialKind::Analemmatic: writeAnalemmatic(block, dial.design); break;
    case gnomonics::DialKind::Bifilar: writeBifilar(block, dial.design, dial.plane); break;
    case gnomonics::DialKind::DarkRoom:
        block.line(say(QT_TRANSLATE_NOOP("horalo", "Meridiana a camera oscura: foro di %1 mm di diametro, il centro del foro è il nodo"), {DecimalShown(dial.design.darkRoom.holeMm, 1)}));
        writeConstruction(block, dial.plane);
        break;
    case gnomonics::DialKind::Plane: writeConstruction(block, dial.plane); break;
    }
    writeLegend(block, dial.design);
    block.piece.box = {0, block.y - th * 0.5, block.widest, 0};
    return std::move(block.piece);
}

} // namespace drawing
