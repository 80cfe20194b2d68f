#include "firebird/EmbeddedLockFolder.h"

#include "firebird/FbApi.h"

#include <QFile>

#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brovik::data {

namespace {

const char* const kLockVariable = "FIREBIRD_LOCK";

QString& refusalText() {
    static QString text;
    return text;
}

QString configuredServerMode() {
    fb::Ref<Firebird::IFirebirdConf> conf(fb::master()->getConfigManager()->getFirebirdConf());
    return QString::fromUtf8(conf->asString(conf->getKey("ServerMode")));
}

void divert() {
    QString folder = EmbeddedLockFolder::makePrivate(
        EmbeddedLockFolder::privateCandidate(qEnvironmentVariable("XDG_RUNTIME_DIR"), ::geteuid()));
    if (folder.isEmpty()) folder = EmbeddedLockFolder::makePrivate(EmbeddedLockFolder::privateCandidate({}, ::geteuid()));
    if (folder.isEmpty()) return;  // the attach fails and names the shared folder
    qputenv(kLockVariable, QFile::encodeName(folder));
    // Reading the configuration fixes the lock folder, so the mode can only be checked now.
    const QString mode = configuredServerMode();
    if (EmbeddedLockFolder::sharesFilesBetweenProcesses(mode))
        refusalText() = QStringLiteral("lock folder %1 cannot be used, and with ServerMode %2 a folder of this "
                                       "user's own would let processes share database files unsafely")
                            .arg(QLatin1String(EmbeddedLockFolder::kShared), mode);
}

}  // namespace

void EmbeddedLockFolder::prepare() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (qEnvironmentVariableIsSet(kLockVariable) || usable(QLatin1String(kShared))) return;
        divert();
    });
}

QString EmbeddedLockFolder::current() {
    const QString set = qEnvironmentVariable(kLockVariable);
    return set.isEmpty() ? QLatin1String(kShared) : set;
}

const QString& EmbeddedLockFolder::refusal() { return refusalText(); }

bool EmbeddedLockFolder::usable(const QString& folder) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), R_OK | W_OK | X_OK, AT_EACCESS) == 0;
}

QString EmbeddedLockFolder::makePrivate(const QString& path) {
    if (path.isEmpty()) return {};
    const QByteArray p = QFile::encodeName(path);
    ::mkdir(p.constData(), 0700);
    struct stat st {};
    if (::lstat(p.constData(), &st) != 0) return {};
    const bool own = S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
    return own ? path : QString();
}

QString EmbeddedLockFolder::privateCandidate(const QString& runtimeDir, unsigned uid) {
    if (!runtimeDir.isEmpty()) return runtimeDir + QStringLiteral("/firebird");
    return QStringLiteral("/tmp/firebird-%1").arg(uid);
}

bool EmbeddedLockFolder::sharesFilesBetweenProcesses(const QString& serverMode) {
    // An unset mode is Super.
    for (const char* exclusive : {"", "Super", "ThreadedDedicated"})
        if (serverMode.trimmed().compare(QLatin1String(exclusive), Qt::CaseInsensitive) == 0) return false;
    return true;
}

}  // namespace brovik::data
