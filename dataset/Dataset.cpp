#include "dataset/Dataset.h"

#include "dataset/DataError.h"

namespace brovik::data {

Dataset::Dataset(QString name) : name_(std::move(name)) {}

Dataset::~Dataset() = default;

Field Dataset::field(int index) {
    if (index < 0 || index >= fieldCount())
        throw DataError(QStringLiteral("%1: field index %2 out of range").arg(name_).arg(index));
    return Field(*this, index);
}

int Dataset::fieldIndex(QStringView name) const { return names_.find(name); }

std::optional<Field> Dataset::findField(QStringView name) {
    const int i = fieldIndex(name);
    if (i < 0) return std::nullopt;
    return Field(*this, i);
}

Field Dataset::fieldByName(QStringView name) {
    const int i = fieldIndex(name);
    if (i < 0) throw DataError(QStringLiteral("%1: Field '%2' not found").arg(name_, name.toString()));
    return Field(*this, i);
}

void Dataset::open() {
    if (open_) return;
    rows_.clear();
    doOpen();
    open_ = true;
    if (rows_.empty()) {
        cursor_ = -1;
        eof_ = bof_ = true;
        loadBuffer();
        notifyRowChanged();
    } else {
        eof_ = false;
        setCurrent(0);
    }
}

void Dataset::close() {
    if (!open_) return;
    doClose();
    open_ = false;
    rows_.clear();
    cursor_ = -1;
    eof_ = bof_ = true;
    buffer_.assign(defs_.size(), Value{});
}

void Dataset::first() {
    if (!open_) throw DataError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(name_));
    if (rows_.empty()) {
        eof_ = bof_ = true;
        notifyRowChanged();
        return;
    }
    eof_ = false;
    setCurrent(0);
}

void Dataset::next() {
    if (!open_) throw DataError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(name_));
    if (cursor_ + 1 >= recordCount()) {
        eof_ = true;
        return;
    }
    setCurrent(cursor_ + 1);
}

void Dataset::prior() {
    if (!open_) throw DataError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(name_));
    if (cursor_ <= 0) {
        bof_ = true;
        return;
    }
    eof_ = false;
    setCurrent(cursor_ - 1);
}

void Dataset::addField(FieldDef def) {
    names_.add(def.name, fieldCount());
    defs_.push_back(std::move(def));
    buffer_.resize(defs_.size());
}

void Dataset::clearFields() {
    defs_.clear();
    names_.clear();
    buffer_.clear();
}

void Dataset::setCurrent(int index, bool notify) {
    cursor_ = index;
    bof_ = index == 0;
    if (index >= 0) eof_ = false;
    loadBuffer();
    if (notify) notifyRowChanged();
}

void Dataset::loadBuffer() {
    if (cursor_ >= 0 && cursor_ < recordCount()) {
        buffer_ = rows_[cursor_];
        buffer_.resize(defs_.size());
        for (std::size_t i = 0; i < defs_.size(); ++i)
            if (defs_[i].calculated) buffer_[i] = Value{};
        if (onCalcFields_) onCalcFields_(*this);
    } else {
        buffer_.assign(defs_.size(), Value{});
    }
}

void Dataset::notifyRowChanged() {
    if (onRowChanged_) onRowChanged_(*this);
}

}  // namespace brovik::data
