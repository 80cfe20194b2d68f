#include "app/AliasConfiguration.h"

#include "app/IniFile.h"

#include <QDir>

namespace brovik::app {

QString defaultAliasIniPath(const QString& executableDir) {
    return QDir(executableDir).filePath(QStringLiteral("Alias.ini"));
}

data::AliasSettings aliasSettingsFrom(const IniFile& ini) {
    const auto key = [&ini](const char* name) { return ini.value(QStringLiteral("PATH"), QString::fromLatin1(name)); };
    data::AliasSettings s;
    s.mv = key("MV");
    s.mvFiles = key("MV-FILES");
    s.arquivos = key("ARQUIVOS");
    s.userDefault = key("USERDEFAULT");
    s.balTipo = key("5077_BAL_TIPO");
    s.balPort = key("5077_BAL_PORT");
    const auto login = [&ini](const char* name) { return ini.find(QStringLiteral("PATH"), QString::fromLatin1(name)); };
    s.user = login("USER");
    s.password = login("PASSWORD");
    s.role = login("ROLE");
    return s;
}

std::optional<data::AliasSettings> readAliasSettings(const QString& path) {
    const std::optional<IniFile> ini = IniFile::load(path);
    if (!ini) return std::nullopt;
    return aliasSettingsFrom(*ini);
}

}  // namespace brovik::app
