#pragma once

#include "dataset/Dataset.h"

namespace brovik::data {

// A dataset whose rows depend on named parameters set before it opens, such as a query;
// readers that only set parameters and read rows need no more of it.
class ParamDataset : public Dataset {
public:
    using Dataset::Dataset;
    // Without regard to case; a DataError when the dataset has no such parameter.
    virtual void setParamValue(QStringView name, const Value& value) = 0;
};

}  // namespace brovik::data
