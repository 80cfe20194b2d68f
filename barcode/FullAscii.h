#pragma once

#include <QString>

namespace brovik::barcode {

// The full-ASCII expansion shared by Code 39 and Code 93 Extended: every character below
// 128 becomes itself or a shift letter ('$', '%', '/', '+') followed by a letter.
// Characters 128 and above are dropped.
QString expandFullAscii(const QString& text);

}  // namespace brovik::barcode
