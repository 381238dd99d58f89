// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTest>

#include <array>

namespace terravia::test {

// A test's data columns in one line: Columns<int, QString>({"group", "name"}).
template <typename... Types> void Columns(const std::array<const char*, sizeof...(Types)>& names) {
    std::size_t column = 0;
    (QTest::addColumn<Types>(names[column++]), ...);
}

} // namespace terravia::test
