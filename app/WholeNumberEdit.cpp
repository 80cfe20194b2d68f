#include "app/WholeNumberEdit.h"

#include "dataset/Format.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <cmath>

namespace brovik::app {
namespace {

std::optional<qint64> parseWholeNumber(const QString& text) {
    QString kept;
    for (const QChar c : text)
        if (c.isDigit() || c == u'-' || c == u',') kept += c == u',' ? QChar(u'.') : c;
    if (kept.isEmpty()) return 0;
    bool ok = false;
    const qint64 whole = kept.toLongLong(&ok);
    if (ok) return whole;
    // A decimal can only come in through code, never through the keys; it rounds.
    const double d = kept.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) >= 9.0e18) return std::nullopt;
    return std::llround(d);
}

}  // namespace

WholeNumberEdit::WholeNumberEdit(QString mask, std::optional<qint64> minimum, QWidget* parent)
    : QLineEdit(parent), mask_(std::move(mask)), minimum_(minimum) {
    // Digits with at most a leading minus sign: a key that breaks this is refused.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), this));
    showMasked(minimum_.value_or(0));
}

qint64 WholeNumberEdit::value() const {
    const std::optional<qint64> parsed = parseWholeNumber(text());
    const qint64 floor = minimum_.value_or(0);
    if (!parsed) return floor;
    return minimum_ && *parsed < *minimum_ ? *minimum_ : *parsed;
}

void WholeNumberEdit::setValue(qint64 value) {
    showMasked(minimum_ && value < *minimum_ ? *minimum_ : value);
}

void WholeNumberEdit::showMasked(qint64 value) {
    shownValue_ = value;
    setText(fmt::formatInteger(mask_, value));
}

void WholeNumberEdit::focusInEvent(QFocusEvent* event) {
    shownValue_ = value();
    QLineEdit::focusInEvent(event);
}

void WholeNumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (a context menu) takes the focus while the user is still editing.
    if (event->reason() != Qt::PopupFocusReason) showMasked(value());
}

void WholeNumberEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        showMasked(shownValue_);
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace brovik::app
