#pragma once

#include "dataset/Value.h"

#include <QString>

namespace brovik::data {

// The declaration of one column of a dataset.
struct FieldDef {
    QString name;
    FieldType type = FieldType::Integer;
    int size = 0;            // characters, for text types
    int scale = 0;           // decimal places, for Decimal
    bool required = false;
    QString displayFormat;   // "00", "#,##0.####", "dd/mm/yyyy" ... empty: plain text
    bool calculated = false; // filled by the dataset's calculation routine, never stored
};

}  // namespace brovik::data
