#include "sheet/numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sheet {

namespace {
char separator = ',';
} // namespace

void setDecimalSeparator(char decimalSeparator)
{
    separator = decimalSeparator == '.' ? '.' : ',';
}

char decimalSeparator()
{
    return separator;
}


std::optional<double> ReadNumber(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    std::string plain;
    plain.reserve(text.size());
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        if (text[pos] == '-')
            plain.push_back('-');
        ++pos;
    }
    bool separatorSeen = false;
    int digits = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            plain.push_back(c);
            ++digits;
        } else if ((c == ',' || c == '.') && !separatorSeen) {
            separatorSeen = true;
            plain.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;

    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value + 0.0; // "-0" reads as plain zero
}

int decimalsOf(Mask mask)
{
    switch (mask) {
    case Mask::OneDecimal:
        return 1;
    case Mask::TwoDecimals:
        return 2;
    case Mask::ThreeDecimals:
        return 3;
    }
    return 2;
}

namespace {

// Digits of |value| to 15 significant figures and the power of ten of the first digit.
struct Decimal {
    bool negative = false;
    std::string digits; // 15 digits, no point
    int exponent = 0;   // value = 0.d1d2d3... * 10^(exponent + 1)
};

Decimal toDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: "d.dddddddddddddde[+-]xx"
    d.digits.push_back(buf[0]);
    const char *p = buf + 2;
    while (*p != 'e')
        d.digits.push_back(*p++);
    d.exponent = std::atoi(p + 1);
    return d;
}

} // namespace

std::string FormatFixed(double value, Mask mask)
{
    return FormatDecimals(value, decimalsOf(mask), decimalSeparator());
}

std::string FormatDecimals(double value, int decimals, char separator)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, 15);
    const Decimal d = toDecimal(value);

    // Integer made of the digits down to the wanted decimal, plus the next digit for rounding.
    // The digit at index k has the weight 10^(exponent - k).
    std::string kept;           // digits from 10^max(exponent,0) down to 10^-decimals
    const int top = std::max(d.exponent, 0);
    bool roundUp = false;
    for (int w = top; w >= -decimals - 1; --w) {
        const int k = d.exponent - w;
        const char digit = (k >= 0 && k < static_cast<int>(d.digits.size())) ? d.digits[k] : '0';
        if (w == -decimals - 1)
            roundUp = digit >= '5';
        else
            kept.push_back(digit);
    }
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    std::string intPart = kept.substr(0, kept.size() - decimals);
    std::string fracPart = kept.substr(kept.size() - decimals);
    const auto nonZero = intPart.find_first_not_of('0');
    intPart = nonZero == std::string::npos ? "0" : intPart.substr(nonZero);

    const bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string text = (d.negative && !isZero) ? "-" : "";
    text += intPart;
    if (decimals > 0)
        text += separator + fracPart;
    return text;
}

std::string FormatGeneral(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0";
    // Fifteen significant digits, then written out in plain positional form: a sheet never
    // shows an exponent, however small or large the number.
    const Decimal d = toDecimal(value);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text;
    if (d.exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(d.exponent) + 1;
        if (digits.size() <= intDigits) {
            text = digits + std::string(intDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, intDigits) + decimalSeparator() + digits.substr(intDigits);
        }
    } else {
        text = std::string("0") + decimalSeparator() + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
    }
    if (text.find_first_not_of("0,.") == std::string::npos)
        return "0";
    return (d.negative ? "-" : "") + text;
}

double shownValue(double value, Mask mask)
{
    const auto read = ReadNumber(FormatFixed(value, mask));
    return read ? *read : value;
}

} // namespace sheet
