#include "vertical/verticalrows.h"

#include <array>

namespace vertical {

namespace {

struct RowNames {
    const char *word;
    const char *label;
};

constexpr std::array<RowNames, kRows> kRowNames{{
    {"cinque", "Label3"},       {"sei", "Label2"},       {"sette", "Label4"},
    {"otto", "Label6"},         {"nove", "Label8"},      {"dieci", "Label10"},
    {"undici", "Label12"},      {"dodici", "Label14"},   {"tredici", "Label16"},
    {"quattordici", "Label23"}, {"quindici", "Label25"}, {"sedici", "Label27"},
    {"diciasette", "Label29"},  {"diciotto", "Label31"}, {"diciannove", "Label5"},
}};

constexpr int kNineRow = 9 - sheet::kVerticalFirstHour;
constexpr int kTenRow = 10 - sheet::kVerticalFirstHour;

} // namespace

std::string cellName(int row, int column)
{
    if (row == kNineRow && column == 1)
        return "nove111";
    if (row == kTenRow && column == 3)
        return "Dieci3";
    return kRowNames.at(static_cast<std::size_t>(row)).word + std::to_string(column);
}

std::string rowLabelName(int row)
{
    return kRowNames.at(static_cast<std::size_t>(row)).label;
}

int clockHourOfRow(int row, Side side)
{
    const int eastHour = sheet::kVerticalFirstHour + row;
    return side == Side::East ? eastHour : 24 - eastHour;
}

int rowOfClockHour(int clockHour, Side side)
{
    const int eastHour = side == Side::East ? clockHour : 24 - clockHour;
    return eastHour - sheet::kVerticalFirstHour;
}

std::string hourText(int clockHour)
{
    return std::to_string(clockHour) + ".00";
}

} // namespace vertical
