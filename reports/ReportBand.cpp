#include "reports/ReportBand.h"

#include <stdexcept>

namespace brovik::reports {

TReportItem* TReportBand::findItem(QStringView itemName) const {
    for (const auto& item : items_)
        if (item->name.compare(itemName, Qt::CaseInsensitive) == 0) return item.get();
    return nullptr;
}

void TReportBand::throwNoSuchItem(QStringView itemName) const {
    throw std::logic_error(QStringLiteral("band %1 has no item %2 of the kind asked for").arg(name, itemName).toStdString());
}

}  // namespace brovik::reports
