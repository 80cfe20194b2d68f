#pragma once

#include "remessa/AliasSettings.h"

#include <QString>

namespace brovik::data {
class Transaction;
}

namespace brovik::test {

// A database user that may only read: SELECT on every table, EXECUTE on every procedure
// and function. Made (or remade) through the server as SYSDBA; `where` is the server's
// connection string of the database.
void grantReaderUser(const QString& where);

// The configuration of a plant that logs in as that user, without a role.
data::AliasSettings readerSettings(const QString& where);
inline constexpr const char* kReaderUser = "LEITOR";
inline constexpr const char* kReaderPassword = "leitura";

// The flags the server reports for the transaction's current transaction:
// "user=U role=R isolation=read-committed record-version=yes wait=no read-only=yes".
QString currentTransactionFlags(data::Transaction& transaction);

}  // namespace brovik::test
