#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the plant's 8-bit code page: the failure log is written in it and
// configuration files saved by older editors come in it.
namespace brovik::app::cp1252 {

QString decode(const QByteArray& bytes);
// Characters the code page cannot hold become '?'.
QByteArray encode(const QString& text);

}  // namespace brovik::app::cp1252
