#pragma once

#include <QString>

namespace brovik::bench {

// The large batch 900000 of scripts/make-large-db.sh in one shape.
struct LargeBatch {
    int orders = 0;
    int ticketsPerOrder = 0;
    int sectors = 0;
    int flowSteps = 0;

    static constexpr int kBatch = 900000;
    int tickets() const { return orders * ticketsPerOrder; }
    int stubs() const { return tickets() * sectors; }
    QString describe() const;
};

// The database file of that batch under the build directory, built on first use and
// rebuilt only when the generator or the schema changed since. Throws on failure.
QString largeDatabase(const LargeBatch& batch);

}  // namespace brovik::bench
