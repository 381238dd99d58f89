// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace terravia {

// Numbers inside conclusion lines carry a sign position: a blank before zero or a positive
// value, a minus sign before a negative one. Both are written with "." and no grouping,
// whatever the user's locale.

// " 12", "-3".
QString IntegerText(int value);

// The value rounded to 15 significant digits, trailing zeros and a trailing point dropped:
// " 60", " 7.38", " 0.5". Exponent form, as " 1E+15" or " 1E-05", from 1E15 upwards and
// below 1E-4, judged on the rounded value.
QString DoubleText(double value);

} // namespace terravia
