#pragma once

#include <QString>

namespace brovik::data {

// True when the client library opens the database in this process (a file path or an
// alias), false when the string names a server: "host:path", "host/port:path",
// "[::1]:path", "inet://...", "xnet://...", "\\host\path".
bool isEmbeddedDatabase(const QString& connectionString);

// What keeps this process from using an embedded database file: the lock folder, a folder
// on the way to the file or the file itself, with the system's reason ("folder /srv/db
// cannot be entered: Permission denied"); empty when each of them is usable.
QString embeddedAccessProblem(const QString& databasePath, const QString& lockFolder);

}  // namespace brovik::data
