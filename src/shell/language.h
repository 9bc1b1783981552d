#pragma once

#include <QString>

#include <optional>

namespace shell {

// The languages the program speaks: its own Italian, and English.
enum class Language { Italian, English };

// "it" or "en" (as typed after --lang); nothing for anything else.
std::optional<Language> languageNamed(const QString &name);

// The system's language for a run without --lang: English when the system speaks English
// (LANG=en_GB.UTF-8, en_US.UTF-8, ...), the program's own Italian otherwise.
Language systemLanguage();

// Makes the program speak the language: the program's English catalogue (compiled into the
// program) for every window, drawing and page, Qt's own catalogue from Debian's
// qt6-translations-l10n for its dialogs, and numbers written with the decimal point in English
// (the comma in Italian). Typed numbers are read with either separator whatever the language.
// False when a catalogue could not be loaded (the texts then stay Italian).
bool installLanguage(Language language);

// Loads only Qt's own catalogue for the language code ("it", "en"); true when found.
bool installQtCatalogue(const QString &language);

} // namespace shell
