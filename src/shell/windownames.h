#pragma once

// The name of every window the program opens by name. A name is the window's objectName too,
// the handle by which the registry finds an open window and a test or a tour reaches it, so
// each is written here once and the code says which window it means, never how it is spelt.

namespace shell {

// The menus.
inline constexpr const char *kMainMenu = "Meridiane";
inline constexpr const char *kHorizontalMenu = "MenuOrz";
inline constexpr const char *kVerticalMenu = "MenuVert";

// The 2002 calculation sheets.
inline constexpr const char *kHorizontalHoursSheet = "GonOrz";
inline constexpr const char *kHorizontalCurvesSheet = "CurveOrizz";
inline constexpr const char *kEastDecliningSheet = "GonvrtEst";
inline constexpr const char *kWestDecliningSheet = "GonvrtOvest";
inline constexpr const char *kVerticalCurvesSheet = "CurveVrt";
inline constexpr const char *kZodiacSheet = "ZodiacoVrt";

// The example drawings beside the sheets.
inline constexpr const char *kHorizontalHoursExample = "DisGonOrz";
inline constexpr const char *kEastDecliningExample = "DisGonVrt";
inline constexpr const char *kWestDecliningExample = "DisGonVrtOvest";
inline constexpr const char *kHorizontalCurvesExample = "DisCurveO";
inline constexpr const char *kVerticalCurvesExample = "DisCurveV";
inline constexpr const char *kZodiacCurvesExample = "DisCurveZ";

// The notes.
inline constexpr const char *kNotes = "Note";
inline constexpr const char *kNonDecliningNote = "InfoDCL";
inline constexpr const char *kSunDeclinationNote = "Declinazione";

// The warnings a sheet shows by name when it refuses to compute.
inline constexpr const char *kWarningMissing = "errore";
inline constexpr const char *kWarningNegative = "errore2";
inline constexpr const char *kWarningRange = "errore3";
inline constexpr const char *kWarningDate = "errore4";
inline constexpr const char *kWarningLatitude = "erroreLatitudine";
inline constexpr const char *kWarningSunDeclination = "erroreDeclinazione";
inline constexpr const char *kWarningStyle = "erroreStilo";

// The manual and the about box.
inline constexpr const char *kManual = "Manuale";
inline constexpr const char *kAbout = "Informazioni";

// The full-scale drawing of a sheet's dial, the wall survey and the dial designer.
inline constexpr const char *kDrawingWindow = "Disegno";
inline constexpr const char *kSurveyWindow = "Rilievo";
inline constexpr const char *kDesignerWindow = "Quadrante";

// The windows of the program's second part, the library with the sheets, the designer, the
// survey, the notes, warnings and drawings, and all that prints and writes drawing files. The
// program starts with the menus only and loads that part the first time one of these is asked
// for.
inline constexpr const char *kSecondPartWindows[] = {
    kHorizontalHoursSheet, kHorizontalCurvesSheet, kEastDecliningSheet, kWestDecliningSheet,
    kVerticalCurvesSheet, kZodiacSheet,
    kHorizontalHoursExample, kEastDecliningExample, kWestDecliningExample, kHorizontalCurvesExample,
    kVerticalCurvesExample, kZodiacCurvesExample,
    kNotes, kNonDecliningNote, kSunDeclinationNote,
    kWarningMissing, kWarningNegative, kWarningRange, kWarningDate, kWarningLatitude,
    kWarningSunDeclination, kWarningStyle,
    kDrawingWindow, kSurveyWindow, kDesignerWindow,
};

} // namespace shell
