#pragma once

#include <QString>

namespace brovik::tickets {

// The launch argument with every "brovik:" removed, without regard to case.
QString batchTextFromLaunchArgument(const QString& argument);

}  // namespace brovik::tickets
