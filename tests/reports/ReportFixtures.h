#pragma once

#include "dataset/Dataset.h"
#include "reports/PageModel.h"

#include <QString>
#include <vector>

namespace brovik::reports::test {

// A dataset whose rows are given up front; opening it loads them.
class TestTable : public data::Dataset {
public:
    TestTable(QString name, std::vector<data::FieldDef> defs, std::vector<data::Row> rows = {})
        : Dataset(std::move(name)), rows_(std::move(rows)) {
        for (auto& d : defs) addField(std::move(d));
    }
    void setRows(std::vector<data::Row> rows) { rows_ = std::move(rows); }

protected:
    void doOpen() override {
        for (const auto& r : rows_) appendRow(r);
    }

private:
    std::vector<data::Row> rows_;
};

inline data::FieldDef fieldOf(QString name, data::FieldType type, int size = 0) {
    data::FieldDef d;
    d.name = std::move(name);
    d.type = type;
    d.size = size;
    return d;
}
inline data::FieldDef intField(QString name) { return fieldOf(std::move(name), data::FieldType::Integer); }
inline data::FieldDef textField(QString name) { return fieldOf(std::move(name), data::FieldType::Text, 40); }

// Every primitive of a kind on a page, in drawing order.
template <class Run>
std::vector<const Run*> runsOf(const Page& page) {
    std::vector<const Run*> out;
    for (const auto& item : page.items)
        if (auto p = std::get_if<Run>(&item)) out.push_back(p);
    return out;
}

// The texts printed on a page, in drawing order.
std::vector<QString> textsOf(const Page& page);

}  // namespace brovik::reports::test
