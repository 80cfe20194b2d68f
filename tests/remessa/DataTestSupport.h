#pragma once

#include "support/QtPrinters.h"
#include "support/TestDatabase.h"

#include "remessa/AliasSettings.h"
#include "dataset/Dataset.h"

#include <memory>

namespace brovik::test {

// The batch fixture shared by the tests of one process.
inline TestDatabase& batchDatabase() {
    static TestDatabase db(QStringLiteral("data-batch"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    return db;
}

inline data::AliasSettings settingsFor(const QString& connectionString) {
    data::AliasSettings s;
    s.mv = connectionString;
    return s;
}

// Every row of a dataset: the named columns' display texts joined by "|".
inline QStringList rowsOf(data::Dataset& d, const QStringList& columns) {
    QStringList out;
    for (d.first(); !d.eof(); d.next()) {
        QStringList cells;
        for (const QString& c : columns) cells << d.fieldByName(c).asString();
        out << cells.join(u'|');
    }
    return out;
}

}  // namespace brovik::test
