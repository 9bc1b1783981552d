#pragma once

#include <QString>

namespace shell {

// Loads Qt's own catalogue (file dialogs, the overwrite question, the buttons of message boxes)
// for the given language, "it" for the program's own Italian, from the folder where Debian's
// qt6-translations-l10n puts it. True when a catalogue was found and installed; without it
// those dialogs stay in English, which is no reason to refuse to start.
bool installQtCatalogue(const QString &language);

} // namespace shell
