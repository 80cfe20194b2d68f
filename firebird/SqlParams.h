#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace brovik::data {

// A statement with named parameters (":Name") rewritten for the client library, which
// only knows positional ones ("?"). Names are kept as first written; a name used twice
// is one parameter bound at both positions. Text in quotes and comments is left alone.
struct ParsedSql {
    QString sql;                              // with "?" in place of each ":Name"
    QStringList names;                        // distinct names, in order of first use
    std::vector<int> positionOwner;           // for each "?", its index in names
};

ParsedSql parseNamedParams(const QString& sql);

}  // namespace brovik::data
