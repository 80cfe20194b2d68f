#include "ReadOnlyUser.h"

#include "TestDatabase.h"

#include "remessa/Query.h"
#include "firebird/Transaction.h"

namespace brovik::test {

void grantReaderUser(const QString& where) {
    const QString grantAll = QStringLiteral(R"(
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE n VARCHAR(63);
BEGIN
  FOR SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 INTO :n DO
    EXECUTE STATEMENT 'GRANT SELECT ON "' || n || '" TO USER %1';
  FOR SELECT TRIM(RDB$PROCEDURE_NAME) FROM RDB$PROCEDURES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 INTO :n DO
    EXECUTE STATEMENT 'GRANT EXECUTE ON PROCEDURE "' || n || '" TO USER %1';
  FOR SELECT TRIM(RDB$FUNCTION_NAME) FROM RDB$FUNCTIONS
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$PACKAGE_NAME IS NULL INTO :n DO
    EXECUTE STATEMENT 'GRANT EXECUTE ON FUNCTION "' || n || '" TO USER %1';
END^
SET TERM ; ^
)");
    runIsql(QStringLiteral("CONNECT '%1' USER 'SYSDBA' PASSWORD 'plumtrace';\n"
                           "CREATE OR ALTER USER %2 PASSWORD '%3';\nCOMMIT;\n%4\nCOMMIT;\n")
                .arg(where, QLatin1String(kReaderUser), QLatin1String(kReaderPassword), grantAll.arg(QLatin1String(kReaderUser))));
}

data::AliasSettings readerSettings(const QString& where) {
    data::AliasSettings s;
    s.mv = where;
    s.user = QString::fromLatin1(kReaderUser);
    s.password = QString::fromLatin1(kReaderPassword);
    s.role = QString();
    return s;
}

QString currentTransactionFlags(data::Transaction& transaction) {
    data::Query q(QStringLiteral("TransactionFlags"), transaction);
    q.setSql("select trim(current_user) u, trim(coalesce(current_role, '')) r, t.mon$isolation_mode i, "
             "t.mon$lock_timeout w, t.mon$read_only ro "
             "from mon$transactions t where t.mon$transaction_id = current_transaction");
    q.declareFields({{.name = "U", .type = data::FieldType::Text, .size = 63},
                     {.name = "R", .type = data::FieldType::Text, .size = 63},
                     {.name = "I", .type = data::FieldType::Integer},
                     {.name = "W", .type = data::FieldType::Integer},
                     {.name = "RO", .type = data::FieldType::Integer}});
    q.open();
    static const char* const kIsolation[] = {"consistency", "concurrency", "read-committed", "read-committed"};
    const int i = q.fieldByName(u"I").asInteger();
    const int w = q.fieldByName(u"W").asInteger();
    return QStringLiteral("user=%1 role=%2 isolation=%3 record-version=%4 wait=%5 read-only=%6")
        .arg(q.fieldByName(u"U").asString(), q.fieldByName(u"R").asString(),
             QLatin1String(i >= 0 && i < 4 ? kIsolation[i] : "other"), QLatin1String(i == 2 ? "yes" : "no"),
             w == 0 ? QStringLiteral("no") : QStringLiteral("%1s").arg(w), QLatin1String(q.fieldByName(u"RO").asInteger() ? "yes" : "no"));
}

}  // namespace brovik::test
