// The headless export run by a user who is neither root nor in group firebird, on a copy
// of the demo database that user owns: the embedded engine cannot use the shared lock
// folder (/tmp/firebird, firebird:firebird 0770), so the program must use one of the
// user's own, and a file or folder the user may not use must be named in the failure.
#include "support/ProgramRun.h"
#include "support/TestDatabase.h"
#include "support/TestPaths.h"

#include "cli/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace brovik;

namespace {

constexpr uid_t kNobody = 65534;
const QString kSetpriv = QStringLiteral("/usr/bin/setpriv");
const QString kBatch = QStringLiteral("brovik:128700");

void own(const QString& path, uid_t uid, mode_t mode) {
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), uid, uid), 0) << path.toStdString();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

// A folder of the user's: the program, its Alias.ini and a copy of the demo database, as a
// clerk would have them after copying the built demo.
class NormalUser : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "runs the program as user nobody, which needs root";
        if (!QFile::exists(kSetpriv)) GTEST_SKIP() << "setpriv (util-linux) is not installed";
        ASSERT_TRUE(home.isValid());
        own(home.path(), kNobody, 0755);
        program = home.filePath(QStringLiteral("brovik"));
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(test::kExecutable), program));
        own(program, kNobody, 0755);
        database = copyDemo(home.filePath(QStringLiteral("demo.fdb")), kNobody);
        runtime = home.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkdir(runtime));
        own(runtime, kNobody, 0700);
    }

    QString copyDemo(const QString& to, uid_t owner) {
        if (!demo) demo = std::make_unique<test::TestDatabase>(QStringLiteral("normal-user"), QStringList{"db/demo.sql"});
        QFile::remove(to);
        EXPECT_TRUE(QFile::copy(demo->path(), to));
        own(to, owner, 0600);
        return to;
    }

    QString writeIni(const QString& db) {
        const QString ini = test::writeAliasIni(home.path(), test::aliasIniFor(db));
        own(ini, kNobody, 0644);
        return ini;
    }

    // The program as nobody, without the groups of this process; FIREBIRD_LOCK and
    // XDG_RUNTIME_DIR only when given (the sanitizers' options pass through).
    test::ProgramRun runAsNobody(const QStringList& args, const QMap<QString, QString>& extraEnv = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"FIREBIRD_LOCK", "XDG_RUNTIME_DIR", "FIREBIRD"}) env.remove(name);
        env.insert("HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (auto it = extraEnv.begin(); it != extraEnv.end(); ++it)
            if (!it.value().isEmpty()) env.insert(it.key(), it.value());
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(kSetpriv,
                QStringList{"--reuid", QString::number(kNobody), "--regid", QString::number(kNobody), "--clear-groups",
                            "--", program} +
                    args);
        return test::finishProgram(p);
    }

    QTemporaryDir home;
    QString program, database, runtime;
    std::unique_ptr<test::TestDatabase> demo;
};

bool sharedLockFolderOpenToAll() {
    struct stat st {};
    return ::stat("/tmp/firebird", &st) == 0 && (st.st_mode & 07) == 07;
}

TEST_F(NormalUser, ExportsTheDemoWithALockFolderOfItsOwn) {
    const QString pdf = home.filePath(QStringLiteral("demo.pdf"));
    const test::ProgramRun run =
        runAsNobody({"--config", writeIni(database), "--export", pdf, kBatch}, {{"XDG_RUNTIME_DIR", runtime}});
    ASSERT_TRUE(run.finished) << run.err.toStdString();
    EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("pages -> " + pdf.toUtf8() + '\n')) << run.out.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    if (!sharedLockFolderOpenToAll()) {
        const QFileInfo lock(runtime + QStringLiteral("/firebird"));
        EXPECT_TRUE(lock.isDir()) << "the lock files did not go to the runtime folder";
        EXPECT_EQ(lock.ownerId(), kNobody);
        EXPECT_EQ(lock.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
    }
}

TEST_F(NormalUser, WithoutARuntimeFolderUsesAPrivateFolderInTmp) {
    const QString folder = QStringLiteral("/tmp/firebird-%1").arg(kNobody);
    const bool existed = QFileInfo::exists(folder);
    const QString csv = home.filePath(QStringLiteral("t.csv"));
    const test::ProgramRun run = runAsNobody({"--config", writeIni(database), "--tickets-csv", csv, kBatch});
    EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(csv));
    if (!sharedLockFolderOpenToAll()) {
        EXPECT_TRUE(QFileInfo(folder).isDir());
    }
    if (!existed) QDir(folder).removeRecursively();
}

// What the user cannot use is named, with the system's reason, in the one line on stderr.
TEST_F(NormalUser, AFileOrFolderItMayNotUseIsNamed) {
    const QString closed = home.filePath(QStringLiteral("closed"));
    ASSERT_TRUE(QDir().mkdir(closed));
    const QString inClosed = copyDemo(closed + QStringLiteral("/demo.fdb"), kNobody);
    own(closed, 0, 0700);
    const QString rootsFile = copyDemo(home.filePath(QStringLiteral("roots.fdb")), 0);
    const QString readOnly = copyDemo(home.filePath(QStringLiteral("readonly.fdb")), kNobody);
    own(readOnly, kNobody, 0400);
    const QString rootsLock = home.filePath(QStringLiteral("rootlock"));
    ASSERT_TRUE(QDir().mkdir(rootsLock));
    own(rootsLock, 0, 0700);
    struct Case {
        const char* name;
        QString database;
        QString lockVariable;
        QString expected;
    } cases[] = {
        {"database file of another user", rootsFile, {},
         "database file " + rootsFile + " cannot be read and written: Permission denied"},
        {"own file without write permission", readOnly, {},
         "database file " + readOnly + " cannot be read and written: Permission denied"},
        {"folder it may not enter", inClosed, {}, "folder " + closed + " cannot be entered: Permission denied"},
        {"FIREBIRD_LOCK it may not use", database, rootsLock,
         "lock folder " + rootsLock + " cannot be used: Permission denied"},
        {"missing file", home.filePath("none.fdb"), {},
         "database file " + home.filePath("none.fdb") + " cannot be read and written: No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString csv = home.filePath(QStringLiteral("t.csv"));
        const test::ProgramRun run = runAsNobody({"--config", writeIni(c.database), "--tickets-csv", csv, kBatch},
                                                 {{"XDG_RUNTIME_DIR", runtime}, {"FIREBIRD_LOCK", c.lockVariable}});
        EXPECT_EQ(run.status, cli::kExitDatabase) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("brovik: database failure: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.expected.toUtf8())) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(csv));
    }
}

// An engine that lets processes share a file coordinates them through the lock folder: a
// folder of the user's own would be unsafe there, so the program refuses instead.
TEST_F(NormalUser, RefusesAPrivateLockFolderWhenTheEngineSharesFiles) {
    const QString root = home.filePath(QStringLiteral("firebird-root"));
    ASSERT_TRUE(QDir().mkdir(root));
    const QString install = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
    for (const char* item : {"firebird.msg", "plugins", "UDF", "lib", "intl", "plugins.conf", "databases.conf"})
        ASSERT_TRUE(QFile::link(install + u'/' + QLatin1String(item), root + u'/' + QLatin1String(item)));
    QFile conf(root + QStringLiteral("/firebird.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("ServerMode = SuperClassic\n");
    conf.close();
    own(conf.fileName(), kNobody, 0644);
    const QString csv = home.filePath(QStringLiteral("t.csv"));
    const test::ProgramRun run = runAsNobody({"--config", writeIni(database), "--tickets-csv", csv, kBatch},
                                             {{"XDG_RUNTIME_DIR", runtime}, {"FIREBIRD", root}});
    if (sharedLockFolderOpenToAll()) GTEST_SKIP() << "/tmp/firebird is open to every user here";
    EXPECT_EQ(run.status, cli::kExitDatabase) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("lock folder /tmp/firebird cannot be used, and with ServerMode SuperClassic"))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(csv));
}

}  // namespace
