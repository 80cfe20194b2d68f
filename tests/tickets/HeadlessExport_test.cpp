#include "support/TestDatabase.h"
#include "support/TestPaths.h"

#include "tickets/TicketSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brovik::tickets {
namespace {

using Records = std::vector<QStringList>;

// An RFC 4180 reader: fields separated by commas, records by CRLF, quoted fields may hold
// commas, line breaks and doubled quotes.
Records parseCsv(const QString& text) {
    Records records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"') field += text[++i];
            else quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            field.clear();
            records.push_back(record);
            record.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty()) records.push_back(record << field);
    return records;
}

// The CSV text of one cell, read from the table.
QString cellText(const data::Field& f) {
    if (f.isNull()) return {};
    switch (f.type()) {
    case data::FieldType::Boolean: return f.asBoolean() ? QStringLiteral("true") : QStringLiteral("false");
    case data::FieldType::Float: return QString::number(f.asFloat(), 'g', 15);
    case data::FieldType::Integer:
    case data::FieldType::SmallInt: return QString::number(f.asLargeInt());
    default: return f.asString();
    }
}

Records tableRecords(data::Dataset& t) {
    Records out;
    QStringList header;
    for (const data::FieldDef& d : t.fieldDefs()) header << d.name;
    out.push_back(header);
    for (t.first(); !t.eof(); t.next()) {
        QStringList cells;
        for (int i = 0; i < t.fieldCount(); ++i) cells << cellText(t.field(i));
        out.push_back(cells);
    }
    return out;
}

struct Result {
    int status = -1;
    QString out;
    QString err;
};

class HeadlessExport : public ::testing::Test {
protected:
    static test::TestDatabase& db() {
        static test::TestDatabase d(QStringLiteral("tickets-headless"), {QStringLiteral("tests/tickets/fixtures/run.sql")});
        return d;
    }

    QString writeIni(const QString& name, const QString& database) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("[PATH]\r\nMV=%1\r\n").arg(database).toLocal8Bit());
        return path;
    }

    Result brovik(const QStringList& args) {
        QProcess p;
        p.start(QString::fromUtf8(test::kExecutable), args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    QTemporaryDir dir;
    QString csv = dir.filePath(QStringLiteral("tickets.csv"));
    QString ini = writeIni(QStringLiteral("Alias.ini"), db().path());
};

TEST_F(HeadlessExport, WritesTheSortedTicketTableAsCsv) {
    const Result r = brovik({"--tickets-csv", csv, "--config", ini, "--layout", "centralizado", "--decrescente",
                             "--op", "1-2", "brovik:500"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("4 tickets, 16 stubs -> %1\n").arg(csv));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const Records parsed = parseCsv(QString::fromUtf8(f.readAll()));

    TicketSession session([&] {
        data::AliasSettings s;
        s.mv = db().path();
        return s;
    }());
    TicketOptions o;
    o.batchText = "500";
    o.layout = Layout::Centred;
    o.decrescente = true;
    o.op2 = 2;
    session.run.execute(o);
    const Records expected = tableRecords(session.tables.RxTalao);
    ASSERT_EQ(parsed.size(), 17u);
    EXPECT_EQ(parsed, expected);
    // The awkward cells made it through: quotes and a comma, accents, descending route.
    const qsizetype cliente = expected[0].indexOf("Cliente");
    EXPECT_EQ(parsed[9][cliente], "LOJA \"CENTRO\", SUL");
    EXPECT_EQ(parsed[1][expected[0].indexOf("Setor1")], QString::fromUtf8("40-EXPEDIÇÃO"));
    EXPECT_EQ(parsed[1][expected[0].indexOf("Ult")], "true");
}

TEST_F(HeadlessExport, EachFailureHasItsStatusAndWritesNoFile) {
    const QString missingDb = writeIni(QStringLiteral("Missing.ini"), dir.filePath(QStringLiteral("none.fdb")));
    const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/tickets.csv"));
    const struct {
        QStringList args;
        int status;
        const char* cause;
    } cases[] = {
        {{"--tickets-csv", csv, "--config", ini, "--layout", "diagonal", "500"}, 2, "--layout"},
        {{"--tickets-csv", csv, "--config", ini}, 2, "batch"},
        {{"--tickets-csv", csv, "--config", dir.filePath("absent.ini"), "500"}, 3, "configuration"},
        {{"--tickets-csv", csv, "--config", ini, "brovik:12a"}, 4, "12a"},
        {{"--tickets-csv", csv, "--config", missingDb, "500"}, 5, "database"},
        {{"--tickets-csv", csv, "--config", ini, "600"}, 6, "no production orders"},
        {{"--tickets-csv", unwritable, "--config", ini, "500"}, 7, "cannot write"},
    };
    for (const auto& c : cases) {
        const Result r = brovik(c.args);
        const std::string what = c.args.join(u' ').toStdString();
        EXPECT_EQ(r.status, c.status) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_EQ(r.err.count(u'\n'), 1) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.cause))) << what << "\n" << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(csv)) << what;
        EXPECT_FALSE(QFile::exists(unwritable)) << what;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // the two configuration files
}

}  // namespace
}  // namespace brovik::tickets
