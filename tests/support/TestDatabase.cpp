#include "TestDatabase.h"

#include "TestPaths.h"
#include "firebird/Connection.h"
#include "remessa/Query.h"
#include "firebird/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <stdexcept>

namespace brovik::test {

QString sourcePath(const QString& relative) {
    return QFileInfo(relative).isAbsolute() ? relative : QDir(QString::fromUtf8(kSourceDir)).filePath(relative);
}

void runIsql(const QString& input, const QStringList& extraArgs) {
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), QStringList{"-q", "-bail", "-ch", "UTF8"} + extraArgs);
    if (!isql.waitForStarted(10000)) throw std::runtime_error("isql-fb did not start: " + isql.errorString().toStdString());
    isql.write(input.toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(120000);
    const QByteArray out = isql.readAll();
    if (isql.exitStatus() != QProcess::NormalExit || isql.exitCode() != 0 || out.contains("Statement failed"))
        throw std::runtime_error("isql-fb failed: " + out.toStdString());
}

namespace {

QString readScript(const QString& relative) {
    QFile f(sourcePath(relative));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + f.fileName().toStdString());
    return QString::fromUtf8(f.readAll());
}

// An empty database with the schema loaded, built once per version of db/schema.sql and
// copied for every test database (creating the schema is most of the cost).
QString schemaTemplate(const QDir& dir) {
    const QFileInfo schema(sourcePath(QStringLiteral("db/schema.sql")));
    const QString path = dir.filePath(QStringLiteral("schema-%1-%2.fdb")
                                          .arg(schema.lastModified().toMSecsSinceEpoch())
                                          .arg(schema.size()));
    if (QFile::exists(path)) return path;
    const QString building = dir.filePath(QStringLiteral("building-%1.fdb").arg(QCoreApplication::applicationPid()));
    QFile::remove(building);
    runIsql(QStringLiteral("CREATE DATABASE '%1' USER 'SYSDBA' DEFAULT CHARACTER SET WIN1252;\n").arg(building));
    // Without forced writes the schema loads in a fraction of the time; a test file needs no fsync.
    QProcess gfix;
    gfix.start(QStringLiteral("gfix"), {"-write", "async", "-user", "SYSDBA", building});
    if (!gfix.waitForFinished(30000) || gfix.exitCode() != 0)
        throw std::runtime_error("gfix failed: " + gfix.readAllStandardError().toStdString());
    runIsql(QStringLiteral("CONNECT '%1' USER 'SYSDBA';\n%2\nCOMMIT;\n").arg(building, readScript(QStringLiteral("db/schema.sql"))));
    // Another process may have finished first; either copy is the same.
    if (!QFile::rename(building, path)) QFile::remove(building);
    return path;
}

}  // namespace

TestDatabase::TestDatabase(const QString& name, const QStringList& fixtures) {
    const QDir dir(QString::fromUtf8(kBinaryDir) + QStringLiteral("/testdb"));
    QDir().mkpath(dir.path());
    path_ = dir.filePath(QStringLiteral("%1-%2.fdb").arg(name).arg(QCoreApplication::applicationPid()));
    QFile::remove(path_);
    if (!QFile::copy(schemaTemplate(dir), path_)) throw std::runtime_error("cannot copy the schema template");
    QFile(path_).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (fixtures.isEmpty()) return;
    QString script = QStringLiteral("CONNECT '%1' USER 'SYSDBA';\n").arg(path_);
    for (const QString& f : fixtures) script += readScript(f) + u'\n';
    script += QStringLiteral("COMMIT;\n");
    runIsql(script);
}

TestDatabase::~TestDatabase() { QFile::remove(path_); }

void TestDatabase::exec(const QString& sql) const {
    runIsql(QStringLiteral("CONNECT '%1' USER 'SYSDBA';\n%2\nCOMMIT;\n").arg(path_, sql));
}

void TestDatabase::commit(const QStringList& statements) const {
    data::Connection connection(QStringLiteral("TestWriter"), {.database = path_});
    data::Transaction transaction(QStringLiteral("TestWriterT"), connection, {"write", "read_committed", "rec_version", "nowait"});
    for (const QString& sql : statements) {
        data::Query q(QStringLiteral("TestWriterQ"), transaction);
        q.setSql(sql);
        q.execSql();
    }
    transaction.commit();
}

}  // namespace brovik::test
