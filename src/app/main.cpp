// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Only where Qt would look for an X11 or Wayland display, and no other platform is named,
// does a missing display stop the program before Qt does, with a sentence a user can act on.
// Elsewhere Qt chooses the platform itself.
bool LacksDisplay(int argc, char* argv[]) {
#if (defined(Q_OS_LINUX) || defined(Q_OS_BSD4)) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return false;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    return true;
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (LacksDisplay(argc, argv)) {
        std::fputs("Terravia needs a graphical display: run it on a desktop, or set DISPLAY "
                   "to a running X server.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Terravia"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    terravia::Form1 form;
    form.show();
    return QApplication::exec();
}
