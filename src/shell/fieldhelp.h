#pragma once

#include <QString>
#include <QWidget>

namespace shell {

// What to type in a field and in which unit, looked up by the field's objectName (the same name
// in every window means the same quantity: `Latx` is the place's latitude wherever it stands).
// Empty when the program has no help for that name.
QString fieldToolTip(const QString &objectName);

// Gives every input field of the window (text fields, lists, check boxes, spin boxes) its
// tooltip and, when it has none, an accessible name: the text of the label that is its buddy
// ('&' and a final ':' left out), the check box's own text, or the table's name for the field.
void applyFieldHelp(QWidget *window);

} // namespace shell
