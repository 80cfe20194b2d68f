#include "remessa/AliasConfiguration.h"

#include "remessa/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace brovik::data {

QString executablePath() {
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return self.isEmpty() ? QCoreApplication::applicationFilePath() : self;
}

QString defaultAliasIniPath(const QString& executableDir) {
    return QDir(executableDir).filePath(QStringLiteral("Alias.ini"));
}

AliasSettings aliasSettingsFrom(const IniFile& ini) {
    const auto key = [&ini](const char* name) { return ini.value(QStringLiteral("PATH"), QString::fromLatin1(name)); };
    AliasSettings s;
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

std::optional<AliasSettings> readAliasSettings(const QString& path) {
    const std::optional<IniFile> ini = IniFile::load(path);
    if (!ini) return std::nullopt;
    return aliasSettingsFrom(*ini);
}

}  // namespace brovik::data
