#pragma once

#include <string>
#include <vector>

// The program speaks Italian; its texts are written in Italian in the code, marked with
// QT_TRANSLATE_NOOP("horalo", "...") so that Qt's lupdate collects them into the catalogue
// translations/horalo_en.ts. Code without Qt (the reports, the drawings, the dial engine's
// words) marks them with the same macro, defined here exactly as Qt defines it, and asks for
// the text in the program's language through translated().
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace sheet {

// Gives the text in the program's language, or nothing to keep the Italian one.
using TextTranslator = std::string (*)(const char *italian);

// Installs the translator (nullptr: Italian, as the program starts).
void setTextTranslator(TextTranslator translator);

// A marked Italian text in the program's language: itself unless a translator is installed
// and knows it.
std::string translated(const char *italian);

// A sentence with its %1, %2 ... %9 replaced by the arguments in order, in one pass (an
// argument that itself holds "%2" stays as it is). A whole sentence with places for its
// numbers and names lets a translator move them where the other language wants them.
std::string filled(const std::string &text, const std::vector<std::string> &args);

// A marked Italian sentence in the program's language with its %1, %2 ... filled in.
std::string translatedWith(const char *italian, const std::vector<std::string> &args);

} // namespace sheet
