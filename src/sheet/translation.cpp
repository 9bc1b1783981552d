#include "sheet/translation.h"

namespace sheet {

namespace {
TextTranslator current = nullptr;
} // namespace

void setTextTranslator(TextTranslator translator)
{
    current = translator;
}

std::string translated(const char *italian)
{
    return current ? current(italian) : std::string(italian);
}

} // namespace sheet
