#pragma once

#include "dataset/Dataset.h"

#include <QStringView>
#include <functional>

namespace brovik::data {

// A table held only in memory: emptied by closing and opening it, filled by insert or
// edit followed by post, walked, searched and sorted. Rows remember the order in which
// they were created, which breaks ties when sorting.
class MemoryTable : public Dataset {
public:
    enum class State { Browse, Insert, Edit };

    explicit MemoryTable(QString name);

    void addField(FieldDef def) { Dataset::addField(std::move(def)); }

    State state() const { return state_; }
    // A new empty row in front of the current one, made current, in insert state.
    void insert();
    // The current row into edit state; on an empty table this starts a new row.
    void edit();
    // Stores the row being inserted or edited and makes it current.
    void post();
    void cancel();

    // Moves to the first row whose column equals `value`; false (and no move) when none.
    bool locate(QStringView fieldName, const Value& value);
    // Stable ascending sort on column names separated by ";", names and text compared
    // without regard to case, empty values first. The current row stays current.
    void sort(QStringView fieldList);

    void setAfterPost(Handler h) { afterPost_ = std::move(h); }

protected:
    void doOpen() override {}
    void doClose() override;

private:
    void requireOpen(const char* operation) const;

    State state_ = State::Browse;
    int insertAt_ = 0;
    qint64 nextSeq_ = 0;
    Handler afterPost_;
};

}  // namespace brovik::data
