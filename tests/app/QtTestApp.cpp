#include "QtTestApp.h"

#include "app/BrovikApplication.h"

#include <QtGlobal>

namespace brovik::test {
namespace {

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform says this for every window shown; other messages pass.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

}  // namespace

QApplication& qtApp() {
    static QApplication* app = [] {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        g_previousHandler = qInstallMessageHandler(quietOffscreenNotes);
        static int argc = 1;
        static char name[] = "brovik_app_tests";
        static char* argv[] = {name, nullptr};
        return new app::BrovikApplication(argc, argv);  // lives until the process ends
    }();
    return *app;
}

}  // namespace brovik::test
