#pragma once

#include <QString>
#include <optional>

namespace brovik::app {

// What the window takes from the command line.
struct WindowArguments {
    QString launchArgument;
    std::optional<QString> configFile;  // Alias.ini beside the executable when unset
};

// The window program: start-up, the message loop, the end. Returns the exit status.
int runWindow(int argc, char** argv, const WindowArguments& arguments);

}  // namespace brovik::app
