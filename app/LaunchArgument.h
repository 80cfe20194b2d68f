#pragma once

#include <QString>
#include <QStringList>

namespace brovik::app {

inline constexpr const char* kDefaultBatchText = "128693";

// The batch text a launch argument gives: every "brovik:" removed, in any letter case
// and wherever it stands; the rest unchanged. Empty when nothing remains.
QString batchTextFromLaunchArgument(const QString& argument);

// What the command line holds for the window: the launch argument (the first argument
// that is not an option) and the configuration file named by "--config FILE".
struct LaunchOptions {
    QString launchArgument;
    QString configPath;  // empty: Alias.ini beside the executable

    // `arguments` without the program name.
    static LaunchOptions parse(const QStringList& arguments);
};

}  // namespace brovik::app
