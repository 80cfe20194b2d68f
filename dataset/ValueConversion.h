#pragma once

#include "dataset/FieldDef.h"
#include "dataset/Value.h"

namespace brovik::data {

// A column value as the library delivered it (decimals scaled by rawScale places) turned
// into the type the program declared for the field. Decimals are rescaled exactly, with
// rounding half away from zero when places are dropped; text longer than the field is cut.
Value convertColumn(const Value& raw, int rawScale, const FieldDef& def);

}  // namespace brovik::data
