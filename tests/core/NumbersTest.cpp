// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"
#include "core/ReadNumber.h"
#include "support/Columns.h"

#include <QTest>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace terravia;
using namespace terravia::test;
using namespace Qt::Literals::StringLiterals;

class NumbersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data() {
        Columns<QString, double>({"text", "expected"});
        const auto row = [](const char* text, double expected) {
            QTest::newRow(text) << QString::fromLatin1(text) << expected;
        };
        row("12abc", 12);
        row("abc", 0);
        row("", 0);
        row(" 3.5 t", 3.5);
        row("1,5", 1);
        row("2E3", 2000);
        row("-4", -4);
        row("0.001", 0.001);
        row("+7", 7);
        row(".5", 0.5);
        row("5.", 5);
        row("-.25", -0.25);
        row("1.5.3", 1.5);
        row("1 2\t3\n4", 1234);
        row("- 4", -4);
        row("1e4", 10000);
        row("2E-3", 0.002);
        row("2e+3", 2000);
        row("1D2", 100);
        row("1d-2", 0.01);
        row("3E", 3);
        row("3E-", 3);
        row("3Ex", 3);
        row("1 E 2", 100);
        row("&HFF", 255);
        row("&hff", 255);
        row("&HFFFF", 65535);
        row(" &H 1A", 26);
        row("&O17", 15);
        row("&o777", 511);
        row("&O8", 0);
        row("&H", 0);
        row("&", 0);
        row("&12", 0);
        row("-&H10", 0);
        row("1E999", 0);
        row("1D400", 0);
        row("-1E999", 0);
        row("1E-999", 0);
        row("0.1", 0.1);
        row("123456789012345678901234567890", 123456789012345678901234567890.0);
        row("2.5\xb0", 2.5);
        QTest::newRow("huge hex") << (u"&H"_s + QString(300, QLatin1Char('F'))) << 0.0;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("4\u0663") << 4.0;
        QTest::newRow("carriage return stops") << u"4\r5"_s << 4.0;
    }

    void readNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const double value = ReadNumber(text);
        QVERIFY(std::isfinite(value));
        QCOMPARE(value, expected);
    }

    void integerText_data() {
        Columns<int, QString>({"value", "expected"});
        QTest::newRow("one") << 1 << u" 1"_s;
        QTest::newRow("two digits") << 12 << u" 12"_s;
        QTest::newRow("zero") << 0 << u" 0"_s;
        QTest::newRow("negative") << -3 << u"-3"_s;
        QTest::newRow("16-bit extremes") << -32768 << u"-32768"_s;
    }

    void integerText() {
        QFETCH(int, value);
        QFETCH(QString, expected);
        QCOMPARE(IntegerText(value), expected);
    }

    void doubleText_data() {
        Columns<double, QString>({"value", "expected"});
        const auto row = [](const char* name, double value, const char* expected) {
            QTest::newRow(name) << value << QString::fromLatin1(expected);
        };
        row("whole", 60, " 60");
        row("fraction", 7.38, " 7.38");
        row("C 123 nitrogen", 123 * 0.12 * 0.5, " 7.38");
        row("C 123 phosphorus", 123 * 0.01, " 1.23");
        row("below one keeps its zero", 0.5, " 0.5");
        row("zero", 0, " 0");
        row("negative zero", -0.0, " 0");
        row("negative", -2.25, "-2.25");
        row("fifteen digits", 123456789012345, " 123456789012345");
        row("rounded to fifteen digits", 1234567890123456, " 1.23456789012346E+15");
        row("1E15", 1e15, " 1E+15");
        row("rounds up into exponent form", 999999999999999.9, " 1E+15");
        row("just below 1E15", 999999999999999, " 999999999999999");
        row("1E-4 stays fixed", 0.0001, " 0.0001");
        row("1E-5 in exponent form", 0.00001, " 1E-05");
        row("small with digits", 0.000012345, " 1.2345E-05");
        row("three-digit exponent", 1e300, " 1E+300");
        row("tiny", 2.5e-300, " 2.5E-300");
        row("binary noise rounded away", 0.1 + 0.2, " 0.3");
        row("no grouping", 1234567.5, " 1234567.5");
        row("largest double", std::numeric_limits<double>::max(), " 1.79769313486232E+308");
    }

    void doubleText() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(DoubleText(value), expected);
    }

    void commaLocaleChangesNothing() {
        // QApplication has set the C library's locale from the environment.
        std::array<char, 16> printed{};
        std::snprintf(printed.data(), printed.size(), "%.1f", 1.5);
        if (QByteArray(printed.data()) != "1,5")
            QSKIP("not running under a comma-decimal locale (the test script runs it under one)");
        QCOMPARE(DoubleText(1.5), u" 1.5"_s);
        QCOMPARE(DoubleText(1234567.25), u" 1234567.25"_s);
        QCOMPARE(DoubleText(1e-5), u" 1E-05"_s);
        QCOMPARE(ReadNumber(u"1.5"_s), 1.5);
        QCOMPARE(ReadNumber(u"1,5"_s), 1.0);
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "NumbersTest.moc"
