// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTest>

// Every wait allows for a busy machine (a parallel build, an emulator): a condition that holds
// ends the wait as soon as it does, and the deadline is only for one that never comes.
inline constexpr int Deadline = 120000; // milliseconds

// A test's main: the offscreen platform unless another is asked for, and no native
// dialogs, so that every box is a real Qt widget that the test can reach.
#define TERRAVIA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
