#pragma once

#include <QString>
#include <optional>

namespace brovik::data {

// Section "PATH" of Alias.ini, as the data module keeps it. USER, PASSWORD and ROLE
// replace the built-in login when present, so a plant need not log in as the
// database administrator.
struct AliasSettings {
    QString mv;            // connection string of the production database
    QString mvFiles;       // MV-FILES
    QString arquivos;      // ARQUIVOS
    QString userDefault;   // USERDEFAULT
    QString balTipo;       // 5077_BAL_TIPO
    QString balPort;       // 5077_BAL_PORT
    std::optional<QString> user;
    std::optional<QString> password;
    std::optional<QString> role;
};

}  // namespace brovik::data
