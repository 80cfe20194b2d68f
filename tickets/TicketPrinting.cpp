#include "tickets/TicketPrinting.h"

namespace brovik::tickets {

reports::TReport& TicketPrinting::prepare(const TicketRunResult& result) {
    layouts.flow.Obs3().caption = result.obs3Caption;
    layouts.values.Talao = 0;
    switch (result.layout) {
    case Layout::Fluxo: return layouts.flow.Qr5;
    case Layout::Centralizado: return layouts.centred.Qr3;
    case Layout::Colunado: return layouts.columns.Qr6;
    }
    return layouts.flow.Qr5;
}

}  // namespace brovik::tickets
