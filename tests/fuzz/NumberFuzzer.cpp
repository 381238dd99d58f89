// SPDX-License-Identifier: GPL-3.0-or-later

// Checks properties of the number reading and writing, not just that they do not crash:
//  - ReadNumber never yields a value that is not finite;
//  - spaces, tabs and line feeds inserted anywhere do not change what it reads;
//  - the number text of any finite double reads back to that double rounded to 15
//    significant digits;
//  - the number text never depends on the locale.
// Any failure aborts, so that libFuzzer keeps the input as a crash to be made a test.

#include "core/NumberText.h"
#include "core/ReadNumber.h"

#include <QString>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool commaLocale = false;

void Check(bool condition, const char* property, const QString& detail) {
    if (condition)
        return;
    std::fprintf(stderr, "property failed: %s: %s\n", property, qPrintable(detail));
    std::abort();
}

double RoundedTo15Digits(double value) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 14);
    double rounded = 0;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

void CheckReading(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double value = terravia::ReadNumber(text);
    Check(std::isfinite(value), "reads a finite value", text);

    // The bytes also choose where blanks go: every third position gets one, chosen by the byte.
    QString spaced;
    static constexpr char16_t Blanks[] = {u' ', u'\t', u'\n'};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i % 3 == 0)
            spaced.append(QChar(Blanks[text[i].unicode() % 3]));
        spaced.append(text[i]);
    }
    spaced.append(u'\t');
    const double again = terravia::ReadNumber(spaced);
    Check(std::bit_cast<uint64_t>(again) == std::bit_cast<uint64_t>(value),
          "blanks do not change the reading", text);
}

void CheckWriting(const uint8_t* data, size_t size) {
    if (size < sizeof(double))
        return;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return;
    const QString text = terravia::DoubleText(value);
    Check(terravia::ReadNumber(text) == RoundedTo15Digits(value), "number text reads back", text);
    if (commaLocale) {
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        const QString inGerman = terravia::DoubleText(value);
        std::setlocale(LC_ALL, "C");
        Check(inGerman == text, "number text ignores the locale", inGerman);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    commaLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    std::setlocale(LC_ALL, "C");
    if (!commaLocale)
        std::fputs("de_DE.UTF-8 is not available: the locale property is not checked\n", stderr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckReading(data, size);
    CheckWriting(data, size);
    return 0;
}
