#pragma once

#include <QString>
#include <stdexcept>

namespace brovik::data {

// A failure of the client layer that the library did not report itself: a parameter
// value the statement cannot take, a transaction used before it started.
class ClientError : public std::runtime_error {
public:
    explicit ClientError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }
    // The name the failure log gives as the failure's class.
    virtual const char* className() const { return "EIBClientError"; }

private:
    QString message_;
};

}  // namespace brovik::data
