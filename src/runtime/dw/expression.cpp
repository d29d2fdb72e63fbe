#include "runtime/dw/expression.h"

#include "runtime/dw/builtins.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <cmath>
#include <unordered_map>

namespace runtime {

namespace {

std::unordered_map<std::string, ExpressionFunction> &registry()
{
    static std::unordered_map<std::string, ExpressionFunction> functions;
    return functions;
}

enum class Token { End, Number, Text, Name, Symbol };

struct Lexer {
    std::string_view s;
    size_t i = 0;
    Token kind = Token::End;
    String text;  // name (lower case), symbol or decoded literal
    Value number;

    explicit Lexer(std::string_view source) : s(source) { next(); }

    [[noreturn]] void fail(const std::string &what) const
    {
        throw ExpressionError(what + " at position " + std::to_string(i));
    }

    // A whole number that does not fit 64 bits is read as a real number; one
    // beyond the real numbers is an error.
    Value numberLiteral(const std::string &digits, bool decimal) const
    {
        if (!decimal) {
            errno = 0;
            const long long n = std::strtoll(digits.c_str(), nullptr, 10);
            if (errno != ERANGE)
                return Value(n);
        }
        const double d = std::strtod(digits.c_str(), nullptr);
        if (!std::isfinite(d))
            fail("number too large");
        return Value(d);
    }

    void next()
    {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        text.clear();
        if (i >= s.size()) {
            kind = Token::End;
            return;
        }
        const char c = s[i];
        if (c == '\'' || c == '"') {
            const size_t start = ++i;
            while (i < s.size() && s[i] != c) {
                if (s[i] == '~' && i + 1 < s.size())
                    ++i;
                else if (static_cast<unsigned char>(s[i]) >= 0x81 && i + 1 < s.size())
                    ++i; // second byte of a double-byte character
                ++i;
            }
            if (i >= s.size())
                fail("unterminated string");
            text = DecodeTildes(s.substr(start, i - start));
            ++i;
            kind = Token::Text;
            return;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            const size_t start = i;
            bool decimal = false;
            while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || (s[i] == '.' && !decimal))) {
                decimal = decimal || s[i] == '.';
                ++i;
            }
            const std::string digits(s.substr(start, i - start));
            number = numberLiteral(digits, decimal);
            kind = Token::Number;
            return;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '#') {
            const size_t start = i++;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_' || s[i] == '$' || s[i] == '#'))
                ++i;
            text = Lower(String(s.substr(start, i - start)));
            kind = Token::Name;
            return;
        }
        static const char *const twoChar[] = {"<>", "<=", ">="};
        for (const char *op : twoChar)
            if (s.substr(i, 2) == op) {
                text = op;
                i += 2;
                kind = Token::Symbol;
                return;
            }
        if (std::string_view("+-*/=<>(),^").find(c) == std::string_view::npos)
            fail(std::string("unexpected character '") + c + "'");
        text = String(1, c);
        ++i;
        kind = Token::Symbol;
    }

    bool isSymbol(const char *sym) const { return kind == Token::Symbol && text == sym; }
    bool isKeyword(const char *word) const { return kind == Token::Name && text == word; }
    void expectSymbol(const char *sym)
    {
        if (!isSymbol(sym))
            fail(std::string("expected '") + sym + "'");
        next();
    }
};

} // namespace

struct Expression::Node {
    enum Kind { Literal, Column, ColumnNumber, Call, Negate, Not, Binary, If, Case } kind;
    Value value;
    String name; // column, function or operator
    std::vector<std::unique_ptr<Node>> kids;
    int height = 1; // levels of nodes from here down, this one included

    explicit Node(Kind k) : kind(k) {}
};

namespace {

using Node = Expression::Node;
using NodePtr = std::unique_ptr<Node>;

NodePtr make(Node::Kind kind) { return std::make_unique<Node>(kind); }

// Evaluation and freeing walk the tree recursively, so its height is kept
// within what the stack takes; so is the parser's own recursion.
constexpr int kMaxHeight = 1000;
constexpr int kMaxNesting = 200;

void adopt(Node &parent, NodePtr kid)
{
    parent.height = std::max(parent.height, kid->height + 1);
    if (parent.height > kMaxHeight)
        throw ExpressionError("expression too deeply nested");
    parent.kids.push_back(std::move(kid));
}

NodePtr binary(const String &op, NodePtr a, NodePtr b)
{
    auto n = make(Node::Binary);
    n->name = op;
    adopt(*n, std::move(a));
    adopt(*n, std::move(b));
    return n;
}

class Parser {
public:
    explicit Parser(std::string_view text) : lex_(text) {}

    // Counts the parser's nested calls of itself while in scope.
    class Nesting {
    public:
        explicit Nesting(Parser &p) : p_(p)
        {
            if (++p_.nesting_ > kMaxNesting)
                p_.lex_.fail("expression too deeply nested");
        }
        ~Nesting() { --p_.nesting_; }

    private:
        Parser &p_;
    };

    NodePtr parseAll()
    {
        NodePtr n = parseOr();
        if (lex_.kind != Token::End)
            lex_.fail("unexpected '" + lex_.text + "'");
        return n;
    }

private:
    NodePtr parseOr()
    {
        const Nesting nested(*this);
        NodePtr n = parseAnd();
        while (lex_.isKeyword("or")) {
            lex_.next();
            n = binary("or", std::move(n), parseAnd());
        }
        return n;
    }

    NodePtr parseAnd()
    {
        NodePtr n = parseNot();
        while (lex_.isKeyword("and")) {
            lex_.next();
            n = binary("and", std::move(n), parseNot());
        }
        return n;
    }

    NodePtr parseNot()
    {
        if (lex_.isKeyword("not")) {
            const Nesting nested(*this);
            lex_.next();
            auto n = make(Node::Not);
            adopt(*n, parseNot());
            return n;
        }
        return parseComparison();
    }

    NodePtr parseComparison()
    {
        NodePtr n = parseAdditive();
        static const char *const ops[] = {"=", "<>", "<", ">", "<=", ">="};
        for (const char *op : ops)
            if (lex_.isSymbol(op)) {
                lex_.next();
                return binary(op, std::move(n), parseAdditive());
            }
        return n;
    }

    NodePtr parseAdditive()
    {
        NodePtr n = parseMultiplicative();
        while (lex_.isSymbol("+") || lex_.isSymbol("-")) {
            const String op = lex_.text;
            lex_.next();
            n = binary(op, std::move(n), parseMultiplicative());
        }
        return n;
    }

    NodePtr parseMultiplicative()
    {
        NodePtr n = parseUnary();
        while (lex_.isSymbol("*") || lex_.isSymbol("/")) {
            const String op = lex_.text;
            lex_.next();
            n = binary(op, std::move(n), parseUnary());
        }
        return n;
    }

    NodePtr parseUnary()
    {
        if (lex_.isSymbol("-")) {
            const Nesting nested(*this);
            lex_.next();
            auto n = make(Node::Negate);
            adopt(*n, parseUnary());
            return n;
        }
        if (lex_.isSymbol("+")) {
            const Nesting nested(*this);
            lex_.next();
            return parseUnary();
        }
        return parsePrimary();
    }

    NodePtr parsePrimary()
    {
        if (lex_.kind == Token::Number || lex_.kind == Token::Text) {
            auto n = make(Node::Literal);
            n->value = lex_.kind == Token::Number ? lex_.number : Value(lex_.text);
            lex_.next();
            return n;
        }
        if (lex_.isSymbol("(")) {
            lex_.next();
            NodePtr n = parseOr();
            lex_.expectSymbol(")");
            return n;
        }
        if (lex_.kind != Token::Name)
            lex_.fail(lex_.kind == Token::End ? "unexpected end" : "unexpected '" + lex_.text + "'");

        const String name = lex_.text;
        lex_.next();
        if (!lex_.isSymbol("(")) {
            if (name.size() > 1 && name[0] == '#') {
                auto n = make(Node::ColumnNumber);
                n->value = Value(static_cast<long long>(Long(name.substr(1))));
                return n;
            }
            auto n = make(Node::Column);
            n->name = name;
            return n;
        }
        lex_.next();
        if (name == "case")
            return parseCase();
        auto n = make(name == "if" ? Node::If : Node::Call);
        n->name = name;
        if (!lex_.isSymbol(")")) {
            adopt(*n, parseOr());
            while (lex_.isSymbol(",")) {
                lex_.next();
                adopt(*n, parseOr());
            }
        }
        lex_.expectSymbol(")");
        if (n->kind == Node::If && n->kids.size() != 3)
            lex_.fail("if needs three arguments");
        return n;
    }

    // case(x when v1, v2 then r1 when v3 then r2 else r3): kids are x, then
    // groups of values each closed by a result; Node::value counts the values
    // of each group, the else result (if any) comes last.
    NodePtr parseCase()
    {
        auto n = make(Node::Case);
        adopt(*n, parseOr());
        std::string groups; // one char per group: the number of values
        while (lex_.isKeyword("when")) {
            lex_.next();
            char count = 0;
            do {
                if (count)
                    lex_.next();
                adopt(*n, parseOr());
                ++count;
            } while (lex_.isSymbol(","));
            if (!lex_.isKeyword("then"))
                lex_.fail("expected 'then'");
            lex_.next();
            adopt(*n, parseOr());
            groups += count;
        }
        if (lex_.isKeyword("else")) {
            lex_.next();
            adopt(*n, parseOr());
            n->name = "else";
        }
        lex_.expectSymbol(")");
        n->value = Value(String(groups));
        return n;
    }

    Lexer lex_;

    int nesting_ = 0;
};

bool isNumeric(const Value &v) { return v.isInteger() || v.isDecimal(); }

// Compares two non-null values: numbers as numbers, texts as texts.
int compare(const Value &a, const Value &b)
{
    bool numeric = isNumeric(a) && isNumeric(b);
    if (!numeric && (isNumeric(a) || isNumeric(b)))
        numeric = IsNumber(a.isText() ? a.toString() : b.toString());
    if (numeric) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int c = a.toString().compare(b.toString());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

Value truth(bool b) { return Value(b ? 1 : 0); }

Value arithmetic(const String &op, const Value &a, const Value &b)
{
    if (a.isNull() || b.isNull())
        return Value();
    if (op == "+" && (a.isText() || b.isText()))
        return Value(String(a.toString() + b.toString()));
    if (a.isInteger() && b.isInteger() && op != "/") {
        // Whole numbers stay whole while they fit 64 bits and become real
        // numbers when they would not.
        const long long x = a.toLongLong(), y = b.toLongLong();
        long long r = 0;
        const bool overflow = op == "+"   ? __builtin_add_overflow(x, y, &r)
                              : op == "-" ? __builtin_sub_overflow(x, y, &r)
                                          : __builtin_mul_overflow(x, y, &r);
        if (!overflow)
            return Value(r);
    }
    const double x = a.toDouble(), y = b.toDouble();
    if (op == "+")
        return Value(x + y);
    if (op == "-")
        return Value(x - y);
    if (op == "*")
        return Value(x * y);
    if (y == 0)
        return Value(); // division by zero gives null, as a computed field shows nothing
    const double q = x / y;
    if (q == std::floor(q) && std::fabs(q) < 9e15)
        return Value(static_cast<long long>(q));
    return Value(q);
}

Value eval(const Node &n, const ExpressionContext &ctx)
{
    switch (n.kind) {
    case Node::Literal:
        return n.value;
    case Node::Column: {
        Value v;
        if (!ctx.lookup(n.name, v))
            throw ExpressionError("unknown name " + ToUtf8(n.name));
        return v;
    }
    case Node::ColumnNumber: {
        Value v;
        if (!ctx.lookupColumn(n.value.toLong(), v))
            throw ExpressionError("no column #" + std::to_string(n.value.toLong()));
        return v;
    }
    case Node::Negate: {
        const Value v = eval(*n.kids[0], ctx);
        if (v.isNull())
            return v;
        if (v.isInteger() && v.toLongLong() != std::numeric_limits<long long>::min())
            return Value(-v.toLongLong());
        return Value(-v.toDouble());
    }
    case Node::Not: {
        const Value v = eval(*n.kids[0], ctx);
        return v.isNull() ? Value() : truth(!IsTrue(v));
    }
    case Node::Binary: {
        const String &op = n.name;
        if (op == "and") {
            if (!IsTrue(eval(*n.kids[0], ctx)))
                return truth(false);
            return truth(IsTrue(eval(*n.kids[1], ctx)));
        }
        if (op == "or") {
            if (IsTrue(eval(*n.kids[0], ctx)))
                return truth(true);
            return truth(IsTrue(eval(*n.kids[1], ctx)));
        }
        const Value a = eval(*n.kids[0], ctx);
        const Value b = eval(*n.kids[1], ctx);
        if (op == "+" || op == "-" || op == "*" || op == "/")
            return arithmetic(op, a, b);
        if (a.isNull() || b.isNull())
            return Value(); // a comparison with null is neither true nor false
        const int c = compare(a, b);
        if (op == "=")
            return truth(c == 0);
        if (op == "<>")
            return truth(c != 0);
        if (op == "<")
            return truth(c < 0);
        if (op == ">")
            return truth(c > 0);
        if (op == "<=")
            return truth(c <= 0);
        return truth(c >= 0);
    }
    case Node::If:
        return eval(*n.kids[IsTrue(eval(*n.kids[0], ctx)) ? 1 : 2], ctx);
    case Node::Case: {
        const Value x = eval(*n.kids[0], ctx);
        size_t k = 1;
        for (char count : n.value.toString()) {
            bool hit = false;
            for (char j = 0; j < count; ++j, ++k)
                if (!hit && !x.isNull()) {
                    const Value v = eval(*n.kids[k], ctx);
                    hit = !v.isNull() && compare(x, v) == 0;
                }
            if (hit)
                return eval(*n.kids[k], ctx);
            ++k; // the group's result
        }
        return n.name == "else" ? eval(*n.kids[k], ctx) : Value();
    }
    case Node::Call: {
        std::vector<Value> args;
        args.reserve(n.kids.size());
        for (const auto &kid : n.kids)
            args.push_back(eval(*kid, ctx));
        Value result;
        if (CallBuiltin(n.name, args, ctx, result))
            return result;
        auto it = registry().find(n.name);
        if (it == registry().end())
            throw ExpressionError("unknown function " + ToUtf8(n.name));
        return it->second(args);
    }
    }
    return Value();
}

} // namespace

void RegisterExpressionFunction(const String &name, ExpressionFunction function)
{
    registry()[Lower(name)] = std::move(function);
}

Expression::Expression(std::unique_ptr<Node> root) : root_(std::move(root)) {}
Expression::~Expression() = default;

std::shared_ptr<const Expression> Expression::Parse(const String &text)
{
    // The texts a program evaluates are few (its properties and filters), so
    // the cache rarely fills; when texts built at run time fill it, it starts
    // afresh rather than grow without end.
    constexpr size_t kMaxParsed = 4096;
    static std::unordered_map<std::string, std::shared_ptr<const Expression>> parsed;
    auto it = parsed.find(text);
    if (it != parsed.end())
        return it->second;
    auto e = std::make_shared<const Expression>(Parser(text).parseAll());
    if (parsed.size() >= kMaxParsed)
        parsed.clear();
    parsed.emplace(text, e);
    return e;
}

Value Expression::evaluate(const ExpressionContext &context) const { return eval(*root_, context); }

bool Expression::isBitmap() const { return root_->kind == Node::Call && root_->name == "bitmap"; }

Value Evaluate(const String &text, const ExpressionContext &context)
{
    return Expression::Parse(text)->evaluate(context);
}

bool IsTrue(const Value &v)
{
    if (v.isNull())
        return false;
    if (v.isText())
        return IsNumber(v.toString()) ? Double(v.toString()) != 0 : false;
    return v.toDouble() != 0;
}

String DecodeTildes(std::string_view text)
{
    String out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x81 && i + 1 < text.size()) {
            out += c;
            out += text[++i];
            continue;
        }
        if (c != '~' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const char e = text[++i];
        switch (std::tolower(static_cast<unsigned char>(e))) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'v': out += '\v'; break;
        case 'f': out += '\f'; break;
        case 'b': out += '\b'; break;
        default:
            if (std::isdigit(static_cast<unsigned char>(e))) {
                int code = 0, digits = 0;
                while (digits < 3 && i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                    code = code * 10 + (text[i++] - '0');
                    ++digits;
                }
                --i;
                out += static_cast<char>(code);
            } else {
                out += e; // ~~, ~', ~" and any other character stand for themselves
            }
        }
    }
    return out;
}

String EncodeTildes(std::string_view text)
{
    String out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x81 && i + 1 < text.size()) {
            out += c;
            out += text[++i];
            continue;
        }
        switch (c) {
        case '~': out += "~~"; break;
        case '\'': out += "~'"; break;
        case '"': out += "~\""; break;
        case '\n': out += "~n"; break;
        case '\r': out += "~r"; break;
        case '\t': out += "~t"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace runtime
