#include "app/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
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
