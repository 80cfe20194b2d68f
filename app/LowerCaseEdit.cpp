#include "app/LowerCaseEdit.h"

#include <QKeyEvent>

namespace brovik::app {

void LowerCaseEdit::keyPressEvent(QKeyEvent* event) {
    const QString lowered = event->text().toLower();
    if (lowered == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Shift is dropped with the capital, or the box would take it for a selection key.
    QKeyEvent lower(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, lowered,
                    event->isAutoRepeat(), ushort(event->count()));
    QLineEdit::keyPressEvent(&lower);
    event->setAccepted(lower.isAccepted());
}

}  // namespace brovik::app
