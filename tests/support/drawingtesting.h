#pragma once

// Looking at the drawing window from a sheet's test: is it open, and does it show the drawing
// a builder makes for the sheet's inputs.

#include "sheettesting.h"

#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "drawing/page.h"
#include "shell/drawingwindow.h"

inline shell::DrawingWindow *openDrawingWindow()
{
    QWidget *w = shell::WindowRegistry::instance().open(shell::DrawingWindow::kName);
    return w && w->isVisible() ? dynamic_cast<shell::DrawingWindow *>(w) : nullptr;
}

// Where two drawings first differ, or an empty text when they hold the same items.
inline QString drawingDifference(const drawing::Drawing &got, const drawing::Drawing &want)
{
    if (got.title != want.title)
        return QStringLiteral("title '%1' against '%2'").arg(qs(got.title), qs(want.title));
    if (got.widthMm != want.widthMm || got.heightMm != want.heightMm)
        return QStringLiteral("size %1 x %2 against %3 x %4")
            .arg(got.widthMm).arg(got.heightMm).arg(want.widthMm).arg(want.heightMm);
    if (got.lines.size() != want.lines.size())
        return QStringLiteral("%1 lines against %2").arg(got.lines.size()).arg(want.lines.size());
    for (std::size_t i = 0; i < got.lines.size(); ++i)
        if (got.lines[i].points != want.lines[i].points || got.lines[i].pen != want.lines[i].pen)
            return QStringLiteral("line %1 differs").arg(i);
    if (got.texts.size() != want.texts.size())
        return QStringLiteral("%1 texts against %2").arg(got.texts.size()).arg(want.texts.size());
    for (std::size_t i = 0; i < got.texts.size(); ++i)
        if (got.texts[i].text != want.texts[i].text || !(got.texts[i].at == want.texts[i].at))
            return QStringLiteral("text %1 '%2' against '%3'").arg(i).arg(qs(got.texts[i].text), qs(want.texts[i].text));
    if (got.dots.size() != want.dots.size())
        return QStringLiteral("%1 dots against %2").arg(got.dots.size()).arg(want.dots.size());
    return {};
}

// The pages the sheets' drawing buttons show, as the builders make them.
inline drawing::Drawing horizontalSheetDrawing(double latitudeDeg, double styleMm)
{
    return drawing::ToSheetDrawing(drawing::BuildHorizontalSheetSketch(latitudeDeg, styleMm).sketch);
}
inline drawing::Drawing verticalSheetDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                           sheet::WallSide side)
{
    return drawing::ToSheetDrawing(drawing::BuildVerticalSheetSketch(latitudeDeg, declinationDeg, styleMm, side).sketch);
}
inline drawing::Drawing zodiacSheetDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                         sheet::WallSide side, double sign1Deg, double sign2Deg,
                                         double anniversaryDeg, const std::string &label)
{
    return drawing::ToSheetDrawing(drawing::BuildZodiacSheetSketch(latitudeDeg, declinationDeg, styleMm, side, sign1Deg,
                                                                   sign2Deg, anniversaryDeg, label).sketch);
}

// A drawing no builder makes, to see a sheet's button put its own in its place.
inline drawing::Drawing strangerDrawing()
{
    drawing::Drawing d;
    d.title = "Estraneo";
    d.widthMm = 30;
    d.heightMm = 20;
    d.texts.push_back({{5, 5}, "estraneo", 3.5, drawing::TextAnchor::TopLeft, 0});
    return d;
}
