#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <variant>

namespace brovik::data {

// One parameter or column value as the client layer passes it: integers and scaled
// decimals as qint64, floating point as double, text, booleans, dates and time stamps;
// monostate is null.
using SqlValue = std::variant<std::monostate, qint64, double, QString, bool, QDate, QDateTime>;

}  // namespace brovik::data
