#include "firebird/FbApi.h"

#include <QByteArray>

namespace brovik::data::fb {

Firebird::IMaster* master() {
    static Firebird::IMaster* m = Firebird::fb_get_master_interface();
    return m;
}

Firebird::IUtil* util() { return master()->getUtilInterface(); }

IBError toError(Firebird::IStatus* status) {
    char buffer[4096] = {};
    util()->formatStatus(buffer, sizeof buffer - 1, status);
    QByteArray text(buffer);
    while (text.endsWith('\n')) text.chop(1);
    const intptr_t* v = status->getErrors();
    const long code = (v && v[0] == isc_arg_gds) ? static_cast<long>(v[1]) : 0;
    // Firebird 3 ends its texts with a full stop; earlier clients did not.
    const qsizetype lineEnd = text.indexOf('\n');
    QByteArray primary = lineEnd < 0 ? text : text.left(lineEnd);
    if (primary.endsWith('.')) primary.chop(1);
    return IBError(QString::fromUtf8(primary), code, QString::fromUtf8(text));
}

}  // namespace brovik::data::fb
