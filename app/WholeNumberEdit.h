#pragma once

#include <QLineEdit>
#include <optional>

namespace brovik::app {

// A box holding a whole number. Out of editing it shows its value through a display
// mask ("00" shows 1 as 01); keys that would not leave a whole number are refused;
// Escape while editing puts the shown value back. Reading never fails: see value().
class WholeNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    WholeNumberEdit(QString mask, std::optional<qint64> minimum, QWidget* parent = nullptr);

    // The value of the text as it stands: characters other than digits, the minus sign
    // and the decimal comma are ignored; empty text reads 0; text that is still not a
    // number reads the minimum (0 without one); a value below the minimum reads the minimum.
    qint64 value() const;
    void setValue(qint64 value);
    qint64 minimum() const { return minimum_.value_or(0); }
    const QString& mask() const { return mask_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showMasked(qint64 value);

    QString mask_;
    std::optional<qint64> minimum_;
    qint64 shownValue_ = 0;  // the value shown when editing began
};

}  // namespace brovik::app
