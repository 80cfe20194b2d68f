#include "reports/CarriedText.h"

#include "barcode/EBarcodeError.h"

#include <array>

namespace brovik::reports {
namespace {

// Two neighbours of a character: a symbology that drops or blanks a character it lacks
// treats at least one of them the same way, whatever its set looks like around it.
std::array<QChar, 2> neighbours(QChar c) {
    if (c.isDigit()) {
        const int d = c.digitValue();
        return {QChar(u'0' + (d + 1) % 10), QChar(u'0' + (d + 2) % 10)};
    }
    return {QChar(char16_t(c.unicode() ^ 1)), QChar(char16_t(c.unicode() ^ 2))};
}

QString shapeOf(barcode::TBarcodeType type, const QString& text) {
    QString shape = QString::number(int(type)) + u':';
    for (QChar c : text) shape += c.isDigit() ? u'0' : c;
    return shape;
}

}  // namespace

bool CarriedText::whole(const barcode::TBarcodeControl& control) {
    const QString& text = control.Text();
    encoder_.SetTyp(control.Typ());
    encoder_.SetChecksum(control.Checksum());
    encoder_.SetCheckSumMethod(control.CheckSumMethod());
    const QString shape = shapeOf(control.Typ(), text);
    if (auto it = known_.find(shape); it != known_.end()) return it->second;
    const bool carried = probe(text);
    known_.emplace(shape, carried);
    return carried;
}

bool CarriedText::probe(const QString& kept) {
    const std::string pattern = patternOf(kept);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        for (QChar other : neighbours(kept[i])) {
            QString changed = kept;
            changed[i] = other;
            try {
                if (patternOf(changed) == pattern) return false;
            } catch (const barcode::EBarcodeError&) {
                // refused: the character matters to the symbology
            }
        }
    }
    return true;
}

std::string CarriedText::patternOf(const QString& text) {
    encoder_.SetText(text);
    return encoder_.Pattern();
}

}  // namespace brovik::reports
