#include "app/TicketPrinting.h"

namespace brovik::app {

reports::TReport& TicketPrinting::prepare(const tickets::TicketRunResult& result) {
    layouts.flow.Obs3().caption = result.obs3Caption;
    layouts.values.Talao = 0;
    switch (result.layout) {
    case tickets::Layout::Flow: return layouts.flow.Qr5;
    case tickets::Layout::Centred: return layouts.centred.Qr3;
    case tickets::Layout::Columns: return layouts.columns.Qr6;
    }
    return layouts.flow.Qr5;
}

}  // namespace brovik::app
