// Report expressions of any text, against a ticket table with one row: parsing and
// evaluation give a value or an error value, never a crash.
#include "remessa/TicketTables.h"
#include "reports/Expression.h"

#include <cstddef>
#include <cstdint>

namespace {

brovik::data::TicketTables& tables() {
    static brovik::data::TicketTables t;
    static bool filled = [] {
        t.RxTalao.open();
        t.RxTalao.insert();
        t.RxTalao.fieldByName(u"Controle").setLargeInt(15230);
        t.RxTalao.fieldByName(u"Modelo").setString(QStringLiteral("1234"));
        t.RxTalao.fieldByName(u"quantidade").setFloat(12.5);
        t.RxTalao.fieldByName(u"Ult").setBoolean(true);
        t.RxTalao.post();
        return true;
    }();
    (void)filled;
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    brovik::reports::TExpression expression(text, {&tables().RxTalao});
    (void)expression.Text();
    return 0;
}
