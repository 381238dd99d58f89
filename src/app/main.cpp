// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"
#include "core/Errand.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

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

// The displays the environment names, as the user set them: "DISPLAY=:99", ...
std::string NamedDisplays() {
    std::string named;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        named += (named.empty() ? "" : " and ") + std::string(name) + '=' + value;
    }
    return named;
}

// While the platform starts, Qt's messages are held back: where it cannot reach the display
// the user named, it would print advice to reinstall the program and abort. The program says
// in one sentence what went wrong instead, and exits with status 1.
std::vector<std::pair<QtMsgType, std::string>> heldBack;
QtMessageHandler qtHandler = nullptr;

void HoldBack(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldBack.emplace_back(type, message.toStdString());
        return;
    }
    const std::string named = NamedDisplays();
    std::fprintf(stderr,
                 "Terravia could not reach the graphical display %s: run it on a desktop, or set "
                 "DISPLAY to a running X server.\n",
                 named.empty() ? "that Qt chose" : named.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void PassOn() {
    qInstallMessageHandler(qtHandler);
    for (const auto& [type, message] : heldBack) {
        const char* text = message.c_str();
        switch (type) {
        case QtDebugMsg:
            qDebug("%s", text);
            break;
        case QtInfoMsg:
            qInfo("%s", text);
            break;
        case QtWarningMsg:
            qWarning("%s", text);
            break;
        default:
            qCritical("%s", text);
            break;
        }
    }
    heldBack.clear();
}

} // namespace

int main(int argc, char* argv[]) {
    if (LacksDisplay(argc, argv)) {
        std::fputs("Terravia needs a graphical display: run it on a desktop, or set DISPLAY "
                   "to a running X server.\n",
                   stderr);
        return 1;
    }
    qtHandler = qInstallMessageHandler(HoldBack);
    QApplication application(argc, argv);
    PassOn();
    QApplication::setApplicationName(QStringLiteral("Terravia"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    int status = 0;
    {
        terravia::Form1 form;
        form.show();
        status = QApplication::exec();
    }
    // A save given up on a location that has answered again is undoing itself: it is given a
    // moment. One still held by the system stays there; nothing of the program's teardown runs
    // under it.
    if (!terravia::AwaitErrands(std::chrono::seconds(1)))
        std::_Exit(status);
    return status;
}
