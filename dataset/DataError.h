#pragma once

#include <QString>
#include <stdexcept>

namespace brovik::data {

// Every failure of the data layer: the text is what the failure log and stderr show.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }
    // The name the failure log gives as the failure's class.
    virtual const char* className() const { return "EDataError"; }

private:
    QString message_;
};

}  // namespace brovik::data
