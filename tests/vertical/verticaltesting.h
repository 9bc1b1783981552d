#pragma once

// What the tests of the vertical curve sheets share: the design's field and label names,
// written out by hand so that a slip in the sheet's own name table shows up, and a look at
// the labels a user reads.

#include "sheettesting.h"

#include <QLabel>

// Row r (0 = clock hour 5 of an East wall) and its cells, column c from 1.
inline const QStringList kRowWords{"cinque", "sei",      "sette",  "otto",       "nove",
                                   "dieci",  "undici",   "dodici", "tredici",    "quattordici",
                                   "quindici", "sedici", "diciasette", "diciotto", "diciannove"};
inline const QStringList kRowLabels{"Label3",  "Label2",  "Label4",  "Label6",  "Label8",
                                    "Label10", "Label12", "Label14", "Label16", "Label23",
                                    "Label25", "Label27", "Label29", "Label31", "Label5"};

inline QString cell(int row, int column)
{
    if (row == 4 && column == 1)
        return QStringLiteral("nove111");
    if (row == 5 && column == 3)
        return QStringLiteral("Dieci3");
    return kRowWords[row] + QString::number(column);
}

inline QStringList allCells(int columns)
{
    QStringList names;
    for (int row = 0; row < 15; ++row)
        for (int column = 1; column <= columns; ++column)
            names << cell(row, column);
    return names;
}

inline QString labelText(QWidget *window, const QString &name)
{
    auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// How many labels of the window read exactly this text.
inline int labelsReading(QWidget *window, const QString &text)
{
    int n = 0;
    for (QLabel *label : window->findChildren<QLabel *>())
        n += label->text() == text ? 1 : 0;
    return n;
}

inline QStringList rowLabelTexts(QWidget *window)
{
    QStringList texts;
    for (const QString &name : kRowLabels)
        texts << labelText(window, name);
    return texts;
}

// The hours the rows show, top of the table first.
inline QStringList hourTexts(bool west)
{
    QStringList texts;
    for (int hour = 5; hour <= 19; ++hour)
        texts << QStringLiteral("%1.00").arg(west ? 24 - hour : hour);
    return texts;
}

inline bool isFont(const QFont &font, double pointSize, bool bold)
{
    return font.pointSizeF() == pointSize && font.bold() == bold && font.family() == QStringLiteral("Arial");
}

// The text of the report item at (x, y), or a note that none stands there.
inline QString itemAt(const sheet::ReportPage &page, double xMm, double yMm)
{
    for (const sheet::ReportItem &item : page.items)
        if (item.xMm == xMm && item.yMm == yMm)
            return QString::fromStdString(item.text);
    return QStringLiteral("<nothing at %1,%2>").arg(xMm).arg(yMm);
}
