#include "firebird/SqlParams.h"

#include <gtest/gtest.h>

using brovik::data::parseNamedParams;

TEST(SqlParams, NamesBecomePositionsAndARepeatedNameIsOneParameter) {
    const auto p = parseNamedParams("Select :Qtd, :MODELO_ID from x where a = :qtd and b=:Cor_1");
    EXPECT_EQ(p.sql, "Select ?, ? from x where a = ? and b=?");
    EXPECT_EQ(p.names, (QStringList{"Qtd", "MODELO_ID", "Cor_1"}));
    EXPECT_EQ(p.positionOwner, (std::vector<int>{0, 1, 0, 2}));
}

TEST(SqlParams, LiteralsCommentsAndCastsAreLeftAlone) {
    const struct {
        const char* sql;
        const char* expected;
        int params;
    } cases[] = {
        {"select ':a' from t where x = :b", "select ':a' from t where x = ?", 1},
        {"select 'it''s :a' || :b from t", "select 'it''s :a' || ? from t", 1},
        {"select \"col:a\" from t -- :c\nwhere x = :d", "select \"col:a\" from t -- :c\nwhere x = ?", 1},
        {"select /* :e */ 1 from t where y=:f", "select /* :e */ 1 from t where y=?", 1},
        {"select 1 from t where z = ':unterminated", "select 1 from t where z = ':unterminated", 0},
        {"select '10:30', 10 :x from t", "select '10:30', 10 ? from t", 1},
    };
    for (const auto& c : cases) {
        const auto p = parseNamedParams(c.sql);
        EXPECT_EQ(p.sql, c.expected) << c.sql;
        EXPECT_EQ(p.names.size(), c.params) << c.sql;
    }
}
