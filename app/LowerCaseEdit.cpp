#include "app/LowerCaseEdit.h"

namespace brovik::app {

LowerCaseEdit::LowerCaseEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &LowerCaseEdit::lower);
}

void LowerCaseEdit::lower(const QString& text) {
    const QString lowered = text.toLower();
    if (lowered == text) return;
    const int cursor = cursorPosition();
    setText(lowered);  // changes the text again, to one already lower case
    setCursorPosition(std::min(cursor, int(lowered.size())));
}

}  // namespace brovik::app
