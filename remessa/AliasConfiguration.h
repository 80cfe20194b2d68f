#pragma once

#include "remessa/AliasSettings.h"

#include <QString>
#include <optional>

namespace brovik::data {

class IniFile;

// The running program's file, known before the application object exists.
QString executablePath();

// The configuration file beside the executable.
QString defaultAliasIniPath(const QString& executableDir);

AliasSettings aliasSettingsFrom(const IniFile& ini);
// nullopt when the file does not exist: the program then ends silently.
std::optional<AliasSettings> readAliasSettings(const QString& path);

}  // namespace brovik::data
