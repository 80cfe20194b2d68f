#include "tickets/LaunchArgument.h"

namespace brovik::tickets {

QString batchTextFromLaunchArgument(const QString& argument) {
    QString rest = argument;
    rest.remove(QStringLiteral("brovik:"), Qt::CaseInsensitive);
    return rest;
}

}  // namespace brovik::tickets
