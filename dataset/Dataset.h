#pragma once

#include "dataset/Field.h"
#include "dataset/FieldDef.h"
#include "dataset/FieldNameIndex.h"
#include "dataset/Value.h"

#include <QString>
#include <QStringView>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace brovik::data {

using Row = std::vector<Value>;

// A named table of typed rows with a cursor, read the same way whether it comes from
// the database or lives in memory. Rows are held in memory once opened. Every time a
// row becomes current its calculated fields are computed (the calculation routine)
// and then the current-row notification runs (what a master-detail refresh hangs on):
// on open, first, next and prior that moves, and when a block of navigation that
// suppressed notifications ends. Closing notifies nothing.
class Dataset {
public:
    using Handler = std::function<void(Dataset&)>;

    explicit Dataset(QString name);
    virtual ~Dataset();
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    const QString& name() const { return name_; }

    // Structure.
    const std::vector<FieldDef>& fieldDefs() const { return defs_; }
    int fieldCount() const { return static_cast<int>(defs_.size()); }
    Field field(int index);
    int fieldIndex(QStringView name) const;  // without regard to case; -1 when absent
    std::optional<Field> findField(QStringView name);
    Field fieldByName(QStringView name);     // raises DataError when absent

    // State and navigation.
    bool isOpen() const { return open_; }
    void open();                // no effect when already open
    void close();
    void first();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty() const { return rows_.empty(); }
    int recordCount() const { return static_cast<int>(rows_.size()); }
    int recNo() const { return cursor_; }  // 0-based; -1 when there is no current row

    // Notifications.
    void setOnCalcFields(Handler h) { onCalcFields_ = std::move(h); }
    void setOnRowChanged(Handler h) { onRowChanged_ = std::move(h); }

    // The current row, stored and calculated columns (for Field).
    const Row& buffer() const { return buffer_; }
    Row& buffer() { return buffer_; }

protected:
    void addField(FieldDef def);
    void clearFields();
    // Fills rows_ (through appendRow) when the dataset opens.
    virtual void doOpen() = 0;
    virtual void doClose() {}
    void appendRow(Row row) { rows_.push_back(std::move(row)); }
    std::deque<Row>& rows() { return rows_; }
    const std::deque<Row>& rows() const { return rows_; }
    // Makes row `index` current: loads the buffer, computes calculated fields and,
    // unless `notify` is false, runs the current-row notification.
    void setCurrent(int index, bool notify = true);
    void loadBuffer();        // buffer := stored row (nulls when none), then calculations
    void notifyRowChanged();
    void setEof(bool eof) { eof_ = eof; }
    void setOpen(bool open) { open_ = open; }

private:
    QString name_;
    std::vector<FieldDef> defs_;
    FieldNameIndex names_;
    std::deque<Row> rows_;  // a deque: memory tables insert in front of the current row
    Row buffer_;
    int cursor_ = -1;
    bool open_ = false;
    bool eof_ = true;
    bool bof_ = true;
    Handler onCalcFields_;
    Handler onRowChanged_;
};

}  // namespace brovik::data
