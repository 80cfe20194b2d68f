#pragma once

#include "firebird/ClientError.h"

namespace brovik::data {

// A failure reported by the Firebird client library. The message is the primary error's
// text in the form older clients gave it, without a closing full stop ("Error reading data
// from the connection"), which is what the failure log matches; statusText() keeps every
// line of the status vector as the library formats it.
class IBError : public ClientError {
public:
    IBError(const QString& message, long code, QString statusText = {})
        : ClientError(message), code_(code), statusText_(std::move(statusText)) {}
    const QString& statusText() const { return statusText_; }
    // The first error code of the status vector (isc_network_error, isc_lock_conflict ...).
    long code() const { return code_; }
    const char* className() const override { return "EIBInterBaseError"; }

private:
    long code_;
    QString statusText_;
};

}  // namespace brovik::data
