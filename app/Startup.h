#pragma once

#include <QString>

namespace brovik::app {

// The running program's file, known before the application object exists.
QString executablePath();

// The whole program: start-up, the message loop, the end. Returns the exit status.
int runBrovik(int argc, char** argv);

}  // namespace brovik::app
