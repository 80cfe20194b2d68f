#pragma once

#include <QString>
#include <stdexcept>

namespace brovik::barcode {

// An encoding failure: the text is the message the user or the log sees, kept as it stands.
class EBarcodeError : public std::runtime_error {
public:
    explicit EBarcodeError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The class name that the messages carry in front of their text.
inline constexpr const char* kEncoderClassName = "TBarcodeEncoder";

}  // namespace brovik::barcode
