#include "app/ClickPanel.h"

#include "app/TKelHandleException.h"
#include "app/WindowFont.h"

#include <QMouseEvent>
#include <QPainter>

namespace brovik::app {

ClickPanel::ClickPanel(QString caption, QWidget* parent) : QWidget(parent), caption_(std::move(caption)) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(boldOf(font()));
}

void ClickPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 128));
    p.setPen(Qt::white);
    // The mnemonic is drawn underlined but never bound to a key.
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void ClickPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (!click) return;
    // Qt's widgets do not unwind a failure thrown through them: each one would leave
    // their copy of this event behind, in a window that stays open all day.
    try {
        emit clicked();
    } catch (...) {
        handleUncaught(this, std::current_exception());
    }
}

}  // namespace brovik::app
