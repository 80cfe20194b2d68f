#pragma once

#include "remessa/Query.h"

namespace brovik::data {

// The rows a per-key query gives for every key of a batch, read in one execution: an
// EXECUTE BLOCK loops over the keys and runs the query's own text for each, so the rows,
// their values and their order are the query's. `keySql` selects one column per named
// parameter of the query, in the order the query first names them, and may use the
// parameter ":Batch". Keys without rows are kept, empty. Raises the client layer's
// error when the block cannot be prepared or run, DataError when a column's type cannot
// be declared (the caller then runs the query key by key).
PrefetchedRows readSetWise(Query& perKey, const QString& keySql, qint64 batch);

}  // namespace brovik::data
