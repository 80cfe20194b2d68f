#pragma once

#include <QLineEdit>

namespace brovik::app {

// A text box whose text is always lower case (the remark of the tickets): typing, paste,
// drop, an input method or the program setting it.
class LowerCaseEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LowerCaseEdit(QWidget* parent = nullptr);

private:
    void lower(const QString& text);
};

}  // namespace brovik::app
