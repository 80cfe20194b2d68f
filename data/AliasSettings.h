#pragma once

#include <QString>

namespace brovik::data {

// The texts of section "PATH" of Alias.ini, kept for the life of the program. Absent
// keys are empty. User, password and role are empty unless the file names them (the
// connections then keep their built-in login).
struct AliasSettings {
    QString mv;           // MV: the connection string of the production database
    QString mvFiles;      // MV-FILES
    QString arquivos;     // ARQUIVOS
    QString userDefault;  // USERDEFAULT
    QString balTipo;      // 5077_BAL_TIPO
    QString balPort;      // 5077_BAL_PORT
    QString user;         // USER
    QString password;     // PASSWORD
    QString role;         // ROLE
};

}  // namespace brovik::data
