// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ReadNumber.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace terravia {
namespace {

// The text without the blanks that never count, as plain ASCII; anything outside ASCII
// cannot be part of a number, so it becomes a character that stops the reading.
std::string CompactText(const QString& text) {
    std::string compact;
    compact.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        compact.push_back(u < 128 ? static_cast<char>(u) : '\x7f');
    }
    return compact;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double ReadWholeNumber(const std::string& s, std::size_t pos, int base) {
    double value = 0;
    for (; pos < s.size() && DigitValue(s[pos]) < base; ++pos)
        value = value * base + DigitValue(s[pos]);
    return std::isfinite(value) ? value : 0;
}

bool IsDigit(const std::string& s, std::size_t pos) {
    return pos < s.size() && s[pos] >= '0' && s[pos] <= '9';
}

std::size_t SkipDigits(const std::string& s, std::size_t pos) {
    while (IsDigit(s, pos))
        ++pos;
    return pos;
}

double ReadDecimalNumber(const std::string& s) {
    std::string number;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        if (s[pos] == '-')
            number.push_back('-');
        ++pos;
    }
    const std::size_t intStart = pos;
    pos = SkipDigits(s, pos);
    const std::size_t intEnd = pos;
    std::size_t fracStart = pos;
    std::size_t fracEnd = pos;
    if (pos < s.size() && s[pos] == '.') {
        fracStart = pos + 1;
        fracEnd = SkipDigits(s, fracStart);
        pos = fracEnd;
    }
    if (intStart == intEnd && fracStart == fracEnd)
        return 0;
    number.append(intStart == intEnd ? std::string("0") : s.substr(intStart, intEnd - intStart));
    if (fracStart != fracEnd)
        number.append(".").append(s.substr(fracStart, fracEnd - fracStart));

    // An exponent letter counts only when digits follow it, with or without a sign.
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t expPos = pos + 1;
        std::string exponent = "e";
        if (expPos < s.size() && (s[expPos] == '+' || s[expPos] == '-')) {
            if (s[expPos] == '-')
                exponent.push_back('-');
            ++expPos;
        }
        const std::size_t expEnd = SkipDigits(s, expPos);
        if (expEnd != expPos)
            number.append(exponent).append(s.substr(expPos, expEnd - expPos));
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

} // namespace

double ReadNumber(const QString& text) {
    const std::string s = CompactText(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return ReadWholeNumber(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return ReadWholeNumber(s, 2, 8);
    }
    return ReadDecimalNumber(s);
}

} // namespace terravia
