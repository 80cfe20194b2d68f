#include "firebird/SqlParams.h"

namespace brovik::data {
namespace {

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// Index just past the literal, quoted identifier or comment starting at i, or i when none.
qsizetype skipInert(const QString& s, qsizetype i) {
    const QChar c = s[i];
    if (c == u'\'' || c == u'"') {
        qsizetype j = i + 1;
        while (j < s.size()) {
            if (s[j] == c) {
                if (j + 1 < s.size() && s[j + 1] == c) { j += 2; continue; }  // doubled quote
                return j + 1;
            }
            ++j;
        }
        return s.size();
    }
    if (c == u'-' && i + 1 < s.size() && s[i + 1] == u'-') {
        const qsizetype end = s.indexOf(u'\n', i);
        return end < 0 ? s.size() : end;
    }
    if (c == u'/' && i + 1 < s.size() && s[i + 1] == u'*') {
        const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
        return end < 0 ? s.size() : end + 2;
    }
    return i;
}

}  // namespace

ParsedSql parseNamedParams(const QString& sql) {
    ParsedSql out;
    out.sql.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const qsizetype after = skipInert(sql, i);
        if (after != i) {
            out.sql += QStringView(sql).sliced(i, after - i);
            i = after;
            continue;
        }
        const QChar c = sql[i];
        if (c == u':' && i + 1 < sql.size() && (sql[i + 1].isLetter() || sql[i + 1] == u'_')) {
            qsizetype j = i + 1;
            while (j < sql.size() && isNameChar(sql[j])) ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            int owner = -1;
            for (int k = 0; k < out.names.size(); ++k)
                if (out.names[k].compare(name, Qt::CaseInsensitive) == 0) owner = k;
            if (owner < 0) {
                owner = static_cast<int>(out.names.size());
                out.names.append(name);
            }
            out.positionOwner.push_back(owner);
            out.sql += u'?';
            i = j;
            continue;
        }
        out.sql += c;
        ++i;
    }
    return out;
}

}  // namespace brovik::data
