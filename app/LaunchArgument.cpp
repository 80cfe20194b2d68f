#include "app/LaunchArgument.h"

namespace brovik::app {

QString batchTextFromLaunchArgument(const QString& argument) {
    QString rest = argument;
    rest.remove(QStringLiteral("brovik:"), Qt::CaseInsensitive);
    return rest;
}

LaunchOptions LaunchOptions::parse(const QStringList& arguments) {
    LaunchOptions options;
    bool haveArgument = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--config") {
            if (i + 1 < arguments.size()) options.configPath = arguments[++i];
        } else if (a.startsWith(u"--config=")) {
            options.configPath = a.mid(9);
        } else if (!haveArgument) {
            options.launchArgument = a;
            haveArgument = true;
        }
    }
    return options;
}

}  // namespace brovik::app
