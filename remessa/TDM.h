#pragma once

#include "remessa/AliasSettings.h"
#include "firebird/Connection.h"
#include "remessa/Query.h"
#include "firebird/Transaction.h"

namespace brovik::data {

// The shared data module: the connections, their transactions and the three shared
// queries. Nothing attaches when it is created; a connection attaches when its first
// query opens, and IBT starts with the first statement and stays open until IB closes.
class TDM {
public:
    // Applies the regional settings and points IB..IB4 at settings.mv.
    explicit TDM(AliasSettings settings = {});
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    const AliasSettings& settings() const { return settings_; }
    // The login every connection uses: the built-in one, or what the settings give.
    static ConnectionParams connectionParams(const AliasSettings& settings, const QString& database);

    Connection IB;
    Connection IB2;
    Connection IB3;
    Connection IB4;
    Connection IBF;
    Transaction IBT;
    Transaction IBTQM;
    Query IBGrade;
    Query IBProduto_Sku;
    Query ibModelo_Producao_Cota;

private:
    AliasSettings settings_;
};

}  // namespace brovik::data
