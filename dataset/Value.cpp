#include "dataset/Value.h"

namespace brovik::data {

bool isIntegerType(FieldType t) {
    return t == FieldType::SmallInt || t == FieldType::Integer || t == FieldType::BigInt;
}

bool isTextType(FieldType t) { return t == FieldType::Text || t == FieldType::FixedText; }

}  // namespace brovik::data
