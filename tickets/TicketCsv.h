#pragma once

#include "dataset/Dataset.h"

#include <QIODevice>

namespace brovik::tickets {

// Writes every row of a table, from its first, as CSV: UTF-8, commas, RFC 4180
// quoting, a header of the column names in table order, numbers with a decimal
// point, booleans as true/false, nulls empty. The table is left past its last row.
void writeCsv(data::Dataset& table, QIODevice& out);

}  // namespace brovik::tickets
