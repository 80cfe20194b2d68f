#include "reports/Expression.h"

#include "dataset/DataError.h"
#include "dataset/Format.h"

namespace brovik::reports {
namespace {

const QString kUnknownFunction = QStringLiteral("Unknown function : %1");
const QString kCannotCombine = QStringLiteral("Cannot %1 %2 expressions");
const QString kUnknownFieldType = QStringLiteral("Field %1 is of unknown type");

bool isBlank(QChar c) { return c == u' '; }

QStringView trimmedSpaces(QStringView s) {
    while (!s.isEmpty() && isBlank(s.front())) s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back())) s.chop(1);
    return s;
}

// The position of the first "+" outside a text literal, looked for from the second
// character to the last but one; -1 when none.
qsizetype splitPoint(QStringView e) {
    bool inLiteral = false;
    for (qsizetype i = 0; i + 1 < e.size(); ++i) {
        if (e[i] == u'\'') inLiteral = !inLiteral;
        else if (e[i] == u'+' && !inLiteral && i > 0) return i;
    }
    return -1;
}

enum class Kind { Integer, Real, Text, Boolean, Error };

Kind kindOf(const ExprValue& v) { return Kind(v.index()); }

ExprValue plus(const ExprValue& l, const ExprValue& r) {
    if (kindOf(l) == Kind::Error) return l;
    if (kindOf(r) == Kind::Error) return r;
    const Kind lk = kindOf(l), rk = kindOf(r);
    if (lk != rk) {
        const bool numeric = (lk == Kind::Integer || lk == Kind::Real) && (rk == Kind::Integer || rk == Kind::Real);
        if (numeric) {
            const double a = lk == Kind::Integer ? std::get<qint32>(l) : std::get<double>(l);
            const double b = rk == Kind::Integer ? std::get<qint32>(r) : std::get<double>(r);
            return a + b;
        }
        return exprText(l) + exprText(r);
    }
    switch (lk) {
    // Integer sums wrap like the 32-bit values they are.
    case Kind::Integer: return qint32(quint32(std::get<qint32>(l)) + quint32(std::get<qint32>(r)));
    case Kind::Real: return std::get<double>(l) + std::get<double>(r);
    case Kind::Text: return std::get<QString>(l) + std::get<QString>(r);
    default: return ExprError{kCannotCombine.arg(QStringLiteral("add"), QStringLiteral("boolean"))};
    }
}

}  // namespace

QString exprText(const ExprValue& value) {
    switch (kindOf(value)) {
    case Kind::Integer: return QString::number(std::get<qint32>(value));
    case Kind::Real: return fmt::generalNumber(std::get<double>(value));
    case Kind::Text: return std::get<QString>(value);
    case Kind::Boolean: return std::get<bool>(value) ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Error: break;
    }
    return std::get<ExprError>(value).text;
}

bool sameExprValue(const ExprValue& a, const ExprValue& b) {
    if (kindOf(a) == Kind::Error && kindOf(b) == Kind::Error) return true;
    return a == b;
}

void TExpression::Prepare(const QString& text, const std::vector<data::Dataset*>& tables) {
    nodes_.clear();
    tables_ = tables;
    root_ = parse(text);
}

int TExpression::add(Node node) {
    nodes_.push_back(std::move(node));
    return int(nodes_.size() - 1);
}

int TExpression::parse(QStringView text) {
    const QStringView e = trimmedSpaces(text);
    const qsizetype split = splitPoint(e);
    if (split < 0) return factor(e);
    Node node;
    node.type = Node::Type::Plus;
    node.left = factor(e.left(split));
    node.right = parse(e.mid(split + 1));
    return add(std::move(node));
}

int TExpression::factor(QStringView text) {
    const QStringView f = trimmedSpaces(text);
    Node node;
    if (f.startsWith(u'\'')) {
        if (f.size() >= 2 && f.endsWith(u'\'')) {
            node.type = Node::Type::Constant;
            node.text = f.mid(1, f.size() - 2).toString();
        } else {
            node.text = QStringLiteral("Unterminated text : %1").arg(f);
        }
        return add(std::move(node));
    }
    if (f.isEmpty() || !f.front().isLetter()) {
        node.text = QStringLiteral("Invalid expression : %1").arg(f);
        return add(std::move(node));
    }
    node.text = kUnknownFunction.arg(f.toString().toUpper());
    const qsizetype dot = f.indexOf(u'.');
    if (dot > 0) {
        const QStringView table = f.left(dot), field = f.mid(dot + 1);
        for (data::Dataset* t : tables_) {
            if (!t || t->name().compare(table, Qt::CaseInsensitive) != 0) continue;
            const int index = t->fieldIndex(field);
            if (index < 0) break;
            node.type = Node::Type::Field;
            node.table = t;
            node.field = index;
            node.text = t->fieldDefs()[index].name;
            break;
        }
    }
    return add(std::move(node));
}

ExprValue TExpression::Value() const {
    if (root_ < 0) return QString();
    return evaluate(root_);
}

ExprValue TExpression::evaluate(int index) const {
    const Node& node = nodes_[index];
    switch (node.type) {
    case Node::Type::Constant: return node.text;
    case Node::Type::Field: return fieldValue(node);
    case Node::Type::Plus: return plus(evaluate(node.left), evaluate(node.right));
    case Node::Type::Error: break;
    }
    return ExprError{node.text};
}

ExprValue TExpression::fieldValue(const Node& node) const {
    data::Dataset& table = *node.table;
    // A dataset that re-declares its fields on reopening is looked up again by name.
    if (node.field >= table.fieldCount() || table.fieldDefs()[node.field].name != node.text)
        node.field = table.fieldIndex(node.text);
    if (node.field < 0) return ExprError{kUnknownFunction.arg(table.name().toUpper() + u'.' + node.text.toUpper())};
    const data::Field field = table.field(node.field);
    try {
        return readField(field);
    } catch (const data::DataError& e) {
        return ExprError{e.message()};
    }
}

ExprValue TExpression::readField(const data::Field& field) {
    using data::FieldType;
    switch (field.type()) {
    case FieldType::Text:
    case FieldType::FixedText: return field.asString();
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::BigInt: return qint32(quint32(quint64(field.asLargeInt())));
    case FieldType::Decimal:
    case FieldType::Float:
    case FieldType::Currency: return field.asFloat();
    case FieldType::Boolean: return field.asBoolean();
    case FieldType::Date:
    case FieldType::DateTime: return field.asString();
    }
    return ExprError{kUnknownFieldType.arg(field.name())};
}

}  // namespace brovik::reports
