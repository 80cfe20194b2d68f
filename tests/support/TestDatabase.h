#pragma once

#include <QString>
#include <QStringList>

namespace brovik::test {

// A fresh embedded database file built from db/schema.sql plus SQL fixtures (paths
// relative to the source tree, e.g. "tests/remessa/fixtures/batch.sql", or absolute), under
// the build directory. Each process gets its own file, removed when the object goes.
// Throws std::runtime_error with isql-fb's output when a script fails.
//
//   TestDatabase db("tickets", {"tests/tickets/fixtures/two_orders.sql"});
//   settings.mv = db.path();
class TestDatabase {
public:
    explicit TestDatabase(const QString& name, const QStringList& fixtures = {});
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const QString& path() const { return path_; }
    // Runs SQL (UTF-8, statements ending in ";") through isql-fb and commits. The file must
    // not be attached by this process meanwhile (the embedded engine locks it).
    void exec(const QString& sql) const;
    // Runs statements through this process's own client layer in a write transaction and
    // commits: usable while the process holds the database open.
    void commit(const QStringList& statements) const;

private:
    QString path_;
};

// Runs isql-fb on `input` (UTF-8 text, connection charset UTF8); throws on failure.
void runIsql(const QString& input, const QStringList& extraArgs = {});

// The demo script's path and the like: source tree path of a file.
QString sourcePath(const QString& relative);

}  // namespace brovik::test
