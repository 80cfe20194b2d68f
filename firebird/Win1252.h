#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace brovik::data {

// The connection character set. Written out here because Qt's own converters only know
// Windows-1252 when built with ICU.
QString fromWin1252(const char* bytes, int size);
// Characters the code page lacks become '?'.
QByteArray toWin1252(QStringView text);

}  // namespace brovik::data
