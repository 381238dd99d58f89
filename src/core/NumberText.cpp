// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace terravia {
namespace {

constexpr int SignificantDigits = 15;

QString WithSignPosition(bool negative, const std::string& digits) {
    return QString::fromLatin1(negative ? "-" : " ") + QString::fromLatin1(digits);
}

} // namespace

QString IntegerText(int value) {
    std::array<char, 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<long long>(std::llabs(value)));
    return WithSignPosition(value < 0, std::string(buffer.data(), result.ptr));
}

QString DoubleText(double value) {
    const bool negative = std::signbit(value) && value != 0;
    if (std::isnan(value))
        return QStringLiteral(" NAN");
    if (std::isinf(value))
        return WithSignPosition(negative, "INF");

    // Scientific form gives the 15 rounded digits and the exponent of the rounded value.
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string scientific(buffer.data(), result.ptr);
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text;
    if (exponent < -4 || exponent >= SignificantDigits) {
        text = digits.substr(0, 1);
        if (digits.size() > 1)
            text.append(1, '.').append(digits, 1);
        std::array<char, 8> exp{};
        const auto expEnd = std::to_chars(exp.data(), exp.data() + exp.size(), std::abs(exponent));
        const std::string magnitude(exp.data(), expEnd.ptr);
        text += exponent < 0 ? "E-" : "E+";
        text += (magnitude.size() < 2 ? "0" : "") + magnitude;
    } else if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            text = digits + std::string(intDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return WithSignPosition(negative, text);
}

} // namespace terravia
