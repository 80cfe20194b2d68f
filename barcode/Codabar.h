#pragma once

#include <QString>
#include <string>

namespace brovik::barcode {

// Start A and stop B are always added; characters outside the Codabar set are skipped.
std::string encodeCodabar(const QString& text);

}  // namespace brovik::barcode
