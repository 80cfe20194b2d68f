#pragma once

#include <QLineEdit>

namespace brovik::app {

// A text box that enters every letter typed in lower case (the remark of the tickets).
class LowerCaseEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace brovik::app
