#include "firebird/EmbeddedDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace brovik::data {

namespace {

// The system's reason when this process (by its effective ids) lacks the access, else empty.
QString denied(const QString& path, int mode) {
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), mode, AT_EACCESS) == 0) return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString problem(const QString& what, const QString& path, const QString& verb, const QString& reason) {
    return QStringLiteral("%1 %2 cannot be %3: %4").arg(what, path, verb, reason);
}

}  // namespace

bool isEmbeddedDatabase(const QString& connectionString) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9]*://"));
    const QString s = connectionString.trimmed();
    if (s.contains(scheme) || s.startsWith(QStringLiteral("\\\\"))) return false;
    // An absolute path may hold a colon in a file name; anything else with one names a host.
    return s.startsWith(u'/') || !s.contains(u':');
}

QString embeddedAccessProblem(const QString& databasePath, const QString& lockFolder) {
    if (const QString why = denied(lockFolder, R_OK | W_OK | X_OK); !why.isEmpty())
        return problem(QStringLiteral("lock folder"), lockFolder, QStringLiteral("used"), why);
    // An alias names no file of its own.
    if (!databasePath.contains(u'/')) return {};
    const QString file = QFileInfo(databasePath).absoluteFilePath();
    QStringList folders;
    for (QString dir = QFileInfo(file).path(); !dir.isEmpty() && dir != QStringLiteral("/"); dir = QFileInfo(dir).path())
        folders.prepend(dir);
    for (const QString& dir : folders)
        if (const QString why = denied(dir, X_OK); !why.isEmpty())
            return problem(QStringLiteral("folder"), dir, QStringLiteral("entered"), why);
    if (const QString why = denied(file, R_OK | W_OK); !why.isEmpty())
        return problem(QStringLiteral("database file"), file, QStringLiteral("read and written"), why);
    return {};
}

}  // namespace brovik::data
