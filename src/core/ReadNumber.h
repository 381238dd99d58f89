// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace terravia {

// The leading number of a text. Spaces, tabs and line feeds are skipped wherever they
// stand; "." is the decimal point whatever the locale; E or D introduces an exponent;
// &H and &O at the start introduce hexadecimal and octal whole numbers. A text without a
// leading number, or whose number would not be finite, reads as 0.
double ReadNumber(const QString& text);

} // namespace terravia
