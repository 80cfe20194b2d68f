#include "reports/ReportBand.h"

namespace brovik::reports {

TReportItem* TReportBand::findItem(QStringView itemName) const {
    for (const auto& item : items_)
        if (item->name.compare(itemName, Qt::CaseInsensitive) == 0) return item.get();
    return nullptr;
}

}  // namespace brovik::reports
