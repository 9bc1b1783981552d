#pragma once

// What the other windows may ask of the dial designer, and nothing more. The designer lives in
// a module above this one; the 2002 sheets' drawing window and the wall survey reach it only
// through this interface, with typed values, so that a change to the designer's form cannot
// silently break what they hand it.

#include "shell/registry.h"

#include <QList>
#include <QString>

#include <concepts>
#include <functional>

namespace shell {

// What a sheet's dial is made of, for the designer to take over: the engine's convention
// (declination from South, East negative, West positive; inclination 0 for a vertical wall, 90
// for a horizontal dial) and the style's length from the centre O to the nodus, in mm.
struct SheetDialInputs {
    double latitudeDeg = 0;
    double declinationDeg = 0;
    double inclinationDeg = 0;
    double styleMm = 0;
    bool zodiac = false; // the zodiac sheet: the signs' date lines too
    QString anniversaryDate; // the zodiac sheet's anniversary as the day it was taken from, or empty
};

// The place the designer's dial is for, as its fields stand (the last accepted value of a
// field that is refused).
struct DesignerPlace {
    QString name;
    double latitudeDeg = 0;  // North positive
    double longitudeDeg = 0; // East positive
    double zoneHours = 0;
    bool summerTime = false;
};

// The wall survey's readings as the user typed them: the designer keeps them with the dial
// ("rilievo" in the project file), so that the wall can be checked again later.
struct WallSurveyReadings {
    struct Reading {
        int row = 0; // 1 to 12, the survey's line
        QString date;
        QString clock;
        bool summerTime = false;
        QString alpha;
    };
    QString latitude;
    QString longitude;
    QString zone;
    bool summerTime = false;
    QList<Reading> readings; // the lines with something typed in them
    QString plumbLength;
    QString plumbTop;
    QString plumbBottom;
};

// What the survey found: the wall's declination (engine convention, West positive, -180..180)
// and inclination (0 vertical), with the readings they come from.
struct WallSurveyResult {
    double declinationDeg = 0;
    double inclinationDeg = 0;
    WallSurveyReadings readings;
};

class DesignerPort {
public:
    virtual ~DesignerPort() = default;

    // "Apri nel Quadrante": the dial then shows what the sheet drew (apparent hours, the
    // solstices and equinoxes, the zodiac entries when asked, the anniversary), as a new
    // project tied to no file. Unsaved changes are asked about first, and kept when the user
    // cancels.
    virtual void takeSheetInputs(const SheetDialInputs &inputs) = 0;
    virtual DesignerPlace place() const = 0;
    // "Usa nel Quadrante": takes the wall's plane and keeps the readings. Returns why a value
    // was refused (and then nothing is taken), or an empty text.
    virtual QString applySurvey(const WallSurveyResult &survey) = 0;
};

// Registers the designer's window, made by make; the window is the designer's port.
template <typename Window>
    requires std::derived_from<Window, QWidget> && std::derived_from<Window, DesignerPort>
void registerDesigner(WindowRegistry &registry, std::function<Window *()> make)
{
    registry.add(kDesignerWindow, [make]() -> QWidget * { return make(); });
}

// Whether this program has a designer at all.
bool hasDesigner();
// The open designer, or nullptr: asks nothing of a designer the user has not opened.
DesignerPort *openDesigner();
// Shows the designer (opening it when it is closed); nullptr when the program has none.
DesignerPort *showDesigner();

// The readings as the designer keeps them in its project: JSON text of an object.
QString WallSurveyJson(const WallSurveyReadings &readings);

} // namespace shell
