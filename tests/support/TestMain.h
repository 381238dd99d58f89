// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTest>

#include <cstdlib>

// A test's main: the offscreen platform unless another is asked for, and no native
// dialogs, so that every box is a real Qt widget that the test can reach.
#define TERRAVIA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        if (std::getenv("QT_QPA_PLATFORM") == nullptr)                                             \
            setenv("QT_QPA_PLATFORM", "offscreen", 1);                                             \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
