#pragma once

#include "data/DataError.h"

namespace brovik::data {

// A failure reported by the Firebird client library; the text is the library's own
// (every line of its status vector), so a lost connection reads as the library says.
class IBError : public DataError {
public:
    IBError(const QString& message, long code) : DataError(message), code_(code) {}
    // The first error code of the status vector (isc_network_error, isc_lock_conflict ...).
    long code() const { return code_; }
    const char* className() const override { return "EIBInterBaseError"; }

private:
    long code_;
};

}  // namespace brovik::data
