#include "dataset/MemoryTable.h"

#include "dataset/DataError.h"

#include <algorithm>
#include <numeric>

namespace brovik::data {
namespace {

// Rows carry their creation number in one cell after the declared columns.
qint64 creationSeq(const Row& row, std::size_t columns) { return std::get<qint64>(row[columns]); }

int compareCells(const Value& a, const Value& b) {
    const bool na = isNull(a), nb = isNull(b);
    if (na || nb) return na == nb ? 0 : (na ? -1 : 1);
    if (auto x = std::get_if<qint64>(&a)) {
        const qint64 y = std::get<qint64>(b);
        return *x < y ? -1 : (*x > y ? 1 : 0);
    }
    if (auto x = std::get_if<double>(&a)) {
        const double y = std::get<double>(b);
        return *x < y ? -1 : (*x > y ? 1 : 0);
    }
    if (auto x = std::get_if<QString>(&a)) {
        const QString& y = std::get<QString>(b);
        if (x->isEmpty() || y.isEmpty()) return x->isEmpty() == y.isEmpty() ? 0 : (x->isEmpty() ? -1 : 1);
        return x->compare(y, Qt::CaseInsensitive);
    }
    if (auto x = std::get_if<bool>(&a)) return int(*x) - int(std::get<bool>(b));
    if (auto x = std::get_if<QDate>(&a)) {
        const QDate& y = std::get<QDate>(b);
        return *x < y ? -1 : (*x > y ? 1 : 0);
    }
    const QDateTime& x = std::get<QDateTime>(a);
    const QDateTime& y = std::get<QDateTime>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

MemoryTable::MemoryTable(QString name) : Dataset(std::move(name)) {}

void MemoryTable::doClose() {
    state_ = State::Browse;
    nextSeq_ = 0;
}

void MemoryTable::requireOpen(const char* operation) const {
    if (!isOpen())
        throw DataError(QStringLiteral("%1: Cannot %2 a closed dataset").arg(name(), QLatin1String(operation)));
}

void MemoryTable::insert() {
    requireOpen("insert into");
    if (state_ != State::Browse) post();
    insertAt_ = std::max(recNo(), 0);
    buffer().assign(fieldDefs().size(), Value{});
    state_ = State::Insert;
}

void MemoryTable::edit() {
    requireOpen("edit");
    if (state_ != State::Browse) return;
    if (isEmpty()) {
        insert();
        return;
    }
    state_ = State::Edit;
}

void MemoryTable::post() {
    if (state_ == State::Browse) return;
    const std::size_t columns = fieldDefs().size();
    // Exactly sized: copying the buffer and then growing it would double the capacity of
    // every row a large batch holds.
    Row row;
    row.reserve(columns + 1);
    row.assign(buffer().begin(), buffer().end());
    row.resize(columns + 1);
    int index = recNo();
    if (state_ == State::Insert) {
        row[columns] = Value{nextSeq_++};
        index = insertAt_;
        rows().insert(rows().begin() + index, std::move(row));
    } else {
        row[columns] = rows()[index][columns];
        rows()[index] = std::move(row);
    }
    state_ = State::Browse;
    setCurrent(index, false);
    if (afterPost_) afterPost_(*this);
}

void MemoryTable::cancel() {
    if (state_ == State::Browse) return;
    state_ = State::Browse;
    loadBuffer();
}

bool MemoryTable::locate(QStringView fieldName, const Value& value) {
    if (!isOpen() || isEmpty()) return false;
    if (state_ != State::Browse) post();
    Field f = fieldByName(fieldName);
    const int col = f.index();
    // Convert the wanted value the way the column stores it, through the current buffer.
    const Value saved = buffer()[col];
    f.setValue(value);
    const Value wanted = buffer()[col];
    buffer()[col] = saved;
    for (int i = 0; i < recordCount(); ++i) {
        if (compareCells(rows()[i][col], wanted) == 0 && isNull(rows()[i][col]) == isNull(wanted)) {
            setCurrent(i);
            return true;
        }
    }
    return false;
}

void MemoryTable::sort(QStringView fieldList) {
    if (!isOpen()) return;
    if (state_ != State::Browse) post();
    if (isEmpty()) return;
    std::vector<int> keys;
    for (QStringView name : fieldList.split(u';', Qt::SkipEmptyParts)) {
        const int i = fieldIndex(name.trimmed());
        if (i < 0) throw DataError(QStringLiteral("%1: Field '%2' not found").arg(this->name(), name.toString()));
        keys.push_back(i);
    }
    const std::size_t columns = fieldDefs().size();
    const qint64 current = recNo() >= 0 ? creationSeq(rows()[recNo()], columns) : -1;
    auto less = [&](const Row& a, const Row& b) {
        for (int k : keys) {
            const int c = compareCells(a[k], b[k]);
            if (c != 0) return c < 0;
        }
        return creationSeq(a, columns) < creationSeq(b, columns);
    };
    std::sort(rows().begin(), rows().end(), less);
    for (int i = 0; i < recordCount(); ++i)
        if (creationSeq(rows()[i], columns) == current) {
            setCurrent(i, false);
            break;
        }
}

}  // namespace brovik::data
