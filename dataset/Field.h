#pragma once

#include "dataset/FieldDef.h"
#include "dataset/Value.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace brovik::data {

class Dataset;

// A handle on one column of a dataset's current row. Reading converts the way a
// report or a run expects (null reads as 0, empty text, false); a text that is not a
// number raises DataError. Writing stores into the current-row buffer, cutting text
// to the column's size.
class Field {
public:
    Field(Dataset& dataset, int index) : dataset_(&dataset), index_(index) {}

    const FieldDef& def() const;
    const QString& name() const { return def().name; }
    FieldType type() const { return def().type; }
    int index() const { return index_; }
    Dataset& dataset() const { return *dataset_; }

    const Value& value() const;
    bool isNull() const;

    qint64 asLargeInt() const;
    int asInteger() const;       // raises DataError when the value does not fit 32 bits
    double asFloat() const;
    QString asString() const;    // plain text after the regional settings (12,5; 05/03/2024)
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    // The text a report shows: the display format applied when the field has one.
    QString displayText() const;

    void clear();
    void setLargeInt(qint64 v);
    void setFloat(double v);
    void setString(const QString& v);
    void setBoolean(bool v);
    void setDate(const QDate& v);
    void setDateTime(const QDateTime& v);
    void setValue(const Value& v);  // converted to the column's type

private:
    Dataset* dataset_;
    int index_;
};

}  // namespace brovik::data
