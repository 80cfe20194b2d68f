// Which connection strings the program opens itself, the lock folder of its own for an
// embedded engine that cannot use the shared one, and what a failed embedded attach names.
#include "firebird/EmbeddedDatabase.h"
#include "firebird/EmbeddedLockFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace brovik::data;

namespace {

TEST(EmbeddedDatabase, OnlyStringsWithoutAServerAreEmbedded) {
    const struct {
        const char* connection;
        bool embedded;
    } cases[] = {
        {"/srv/db/producao.fdb", true},
        {"db/producao.fdb", true},
        {"producao", true},                      // an alias of databases.conf
        {"/srv/db/lote:2024.fdb", true},         // a colon in a file name of an absolute path
        {"  /srv/db/producao.fdb", true},
        {"servidor:/srv/db/producao.fdb", false},
        {"servidor/3051:/srv/db/producao.fdb", false},
        {"127.0.0.1:producao", false},
        {"[::1]/3050:/srv/db/producao.fdb", false},
        {"servidor:C:\\dados\\producao.fdb", false},
        {"inet://servidor/srv/db/producao.fdb", false},
        {"inet4://servidor:3051/producao", false},
        {"xnet://producao", false},
        {"\\\\servidor\\producao", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isEmbeddedDatabase(QString::fromUtf8(c.connection)), c.embedded) << c.connection;
}

// Root passes every permission check, so here only what is missing can be shown; the
// denied cases run as another user in the application's tests.
TEST(EmbeddedDatabase, AccessProblemNamesWhatIsMissing) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("lock");
    ASSERT_TRUE(QDir().mkdir(lock));
    const QString file = dir.filePath("a.fdb");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(embeddedAccessProblem(file, lock), "");
    EXPECT_EQ(embeddedAccessProblem("producao", lock), "") << "an alias has no file to check";
    EXPECT_EQ(embeddedAccessProblem(file, dir.filePath("none")),
              "lock folder " + dir.filePath("none") + " cannot be used: No such file or directory");
    EXPECT_EQ(embeddedAccessProblem(dir.filePath("gone/sub/a.fdb"), lock),
              "folder " + dir.filePath("gone") + " cannot be entered: No such file or directory");
    EXPECT_EQ(embeddedAccessProblem(dir.filePath("b.fdb"), lock),
              "database file " + dir.filePath("b.fdb") + " cannot be read and written: No such file or directory");
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString relative = embeddedAccessProblem("sub/b.fdb", lock);
    QDir::setCurrent(before);
    EXPECT_EQ(relative, "folder " + dir.filePath("sub") + " cannot be entered: No such file or directory")
        << "a relative path is named as the absolute one";
}

TEST(EmbeddedLockFolder, PrivateFolderIsOnlyEverOneOfThisUser) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath("fresh");
    EXPECT_EQ(EmbeddedLockFolder::makePrivate(fresh), fresh);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(fresh).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(EmbeddedLockFolder::makePrivate(fresh), fresh) << "an existing folder of its own is reused";

    const QString open = dir.filePath("open");
    ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0755), 0);
    EXPECT_EQ(EmbeddedLockFolder::makePrivate(open), "") << "others may enter it";
    const QString link = dir.filePath("link");
    ASSERT_TRUE(QFile::link(fresh, link));
    EXPECT_EQ(EmbeddedLockFolder::makePrivate(link), "") << "a link may lead anywhere";
    const QString plain = dir.filePath("plain");
    QFile f(plain);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_EQ(EmbeddedLockFolder::makePrivate(plain), "");
    EXPECT_EQ(EmbeddedLockFolder::makePrivate(dir.filePath("no/such/parent")), "");
    if (::geteuid() == 0) {
        const QString others = dir.filePath("others");
        ASSERT_EQ(::mkdir(QFile::encodeName(others).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(others).constData(), 65534, 65534), 0);
        EXPECT_EQ(EmbeddedLockFolder::makePrivate(others), "") << "another user's folder";
    }
}

TEST(EmbeddedLockFolder, PlaceAndModes) {
    EXPECT_EQ(EmbeddedLockFolder::privateCandidate("/run/user/1000", 1000), "/run/user/1000/firebird");
    EXPECT_EQ(EmbeddedLockFolder::privateCandidate({}, 1000), "/tmp/firebird-1000");
    for (const char* exclusive : {"", "Super", "super", " ThreadedDedicated "})
        EXPECT_FALSE(EmbeddedLockFolder::sharesFilesBetweenProcesses(exclusive)) << exclusive;
    for (const char* shared : {"SuperClassic", "ThreadedShared", "Classic", "MultiProcess", "Superb"})
        EXPECT_TRUE(EmbeddedLockFolder::sharesFilesBetweenProcesses(shared)) << shared;
}

}  // namespace
