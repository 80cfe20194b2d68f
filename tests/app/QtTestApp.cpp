#include "QtTestApp.h"

#include "app/BrovikApplication.h"

#include <QtGlobal>

namespace brovik::test {

QApplication& qtApp() {
    static QApplication* app = [] {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "brovik_app_tests";
        static char* argv[] = {name, nullptr};
        return new app::BrovikApplication(argc, argv);  // lives until the process ends
    }();
    return *app;
}

}  // namespace brovik::test
