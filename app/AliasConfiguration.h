#pragma once

#include "data/AliasSettings.h"

#include <QString>
#include <optional>

namespace brovik::app {

class IniFile;

// The configuration file beside the executable.
QString defaultAliasIniPath(const QString& executableDir);

data::AliasSettings aliasSettingsFrom(const IniFile& ini);
// nullopt when the file does not exist: the program then ends silently.
std::optional<data::AliasSettings> readAliasSettings(const QString& path);

}  // namespace brovik::app
