#pragma once

#include "dataset/Dataset.h"

#include <QString>
#include <variant>
#include <vector>

namespace brovik::reports {

struct ExprError {
    QString text;
    bool operator==(const ExprError&) const = default;
};

// integer (32-bit), real, text, boolean or error.
using ExprValue = std::variant<qint32, double, QString, bool, ExprError>;

// The text an expression item prints for a value, and the form a value takes inside "+".
QString exprText(const ExprValue& value);
// Group change detection: a change of kind or of value; two errors count as equal.
bool sameExprValue(const ExprValue& a, const ExprValue& b);

// A parsed expression: text literals, table.field references and "+". Field references
// are bound to the dataset objects when prepared, so a dataset that is closed and opened
// again between rows is still read through them.
class TExpression {
public:
    TExpression() = default;
    explicit TExpression(const QString& text, const std::vector<data::Dataset*>& tables = {}) { Prepare(text, tables); }

    void Prepare(const QString& text, const std::vector<data::Dataset*>& tables);
    ExprValue Value() const;
    QString Text() const { return exprText(Value()); }

private:
    struct Node {
        enum class Type { Constant, Field, Plus, Error } type = Type::Error;
        QString text;  // constant, error text, or the field's name
        data::Dataset* table = nullptr;
        mutable int field = -1;
        int left = -1, right = -1;
    };
    int parse(QStringView text);
    int factor(QStringView text);
    int add(Node node);
    ExprValue evaluate(int node) const;
    ExprValue fieldValue(const Node& node) const;
    static ExprValue readField(const data::Field& field);

    std::vector<Node> nodes_;
    std::vector<data::Dataset*> tables_;
    int root_ = -1;
};

}  // namespace brovik::reports
