#pragma once

#include "barcode/TBarcodeControl.h"

#include <QString>
#include <unordered_map>

namespace brovik::reports {

// Whether a control's symbology would carry every character of a text. The encoder
// shortens some texts without a word (UPC-E keeps six digits, the supplements two or five,
// UPC-A twelve, Code 39 skips characters it lacks, Code 128 A and B turn them into
// blanks), and a barcode that scans to another ticket is worse than none. A character is
// carried when changing it changes the pattern. The answer depends on where the text has
// digits, not on which: a batch asks the encoder for a few text shapes only.
class CarriedText {
public:
    // Asked after the control has encoded its text, as the encoder wrote it back (trimmed,
    // padded with its leading zeros).
    bool whole(const barcode::TBarcodeControl& control);

private:
    bool probe(const QString& text);
    std::string patternOf(const QString& text);

    barcode::TBarcodeEncoder encoder_;
    std::unordered_map<QString, bool> known_;
};

}  // namespace brovik::reports
