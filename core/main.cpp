#include "StartUp.h"

#include <QApplication>
#include <cstdio>

namespace {

// Without a display the platform plugin aborts with a message that does not
// say what to do; say it before it gets there.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "valtrixsuite: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it on a desktop, or without one under a virtual display:\n"
                     "    xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "valtrixsuite");
        return 2;
    }

    QApplication app(argc, argv);
    StartUp startUp(app);
    if (!startUp.start()) {
        std::fprintf(stderr,
                     "valtrixsuite: the user interface (%s) could not be loaded; "
                     "the messages above say why.\n",
                     StartUp::MainScene);
        return 1;
    }
    return startUp.finish(app.exec());
}
