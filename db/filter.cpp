#include "db/filter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

namespace db {

namespace {

using Row = std::vector<Value>;
using Predicate = std::function<bool(const Row&)>;

std::string foldAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Non-ASCII bytes count as name characters so Chinese names need no brackets.
bool isNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_';
}

// Splits UTF-8 text into characters, so `_` in a pattern stands for one character, not one byte.
std::vector<std::string_view> characters(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = 1;
        while (i + n < s.size() && isContinuation(s[i + n])) ++n;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

template <class T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::optional<double> numberIn(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    double d = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return d;
}

struct Literal {
    enum class Kind { Text, Number, Boolean } kind;
    Value value;  // ASCII-folded text, an integer or float, or 0/1
};

// Negative, zero or positive as the column value orders before, equal to or after the literal.
int compare(const Value& v, const Literal& lit) {
    if (lit.kind == Literal::Kind::Text)
        return threeWay(foldAscii(toText(v)), std::get<std::string>(lit.value));
    if (lit.kind == Literal::Kind::Boolean)
        return threeWay<std::int64_t>(toBool(v) ? 1 : 0, std::get<std::int64_t>(lit.value));
    const auto* vi = std::get_if<std::int64_t>(&v);
    const auto* li = std::get_if<std::int64_t>(&lit.value);
    if (vi && li) return threeWay(*vi, *li);
    double x = toFloat(v);
    if (const auto* s = std::get_if<std::string>(&v)) {
        const auto n = numberIn(*s);
        if (!n) return -1;  // text that is no number orders before every number
        x = *n;
    }
    return threeWay(x, toFloat(lit.value));
}

bool isAnyRun(std::string_view c) {
    return c == "%" || c == "*";
}

// On a mismatch, only the latest run is widened by one character; earlier runs never need to be.
bool likeMatch(const std::vector<std::string_view>& text, const std::vector<std::string>& pattern) {
    std::size_t t = 0, p = 0, runP = std::string::npos, runT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && isAnyRun(pattern[p])) {
            runP = p++;
            runT = t;
        } else if (p < pattern.size() && (pattern[p] == "_" || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (runP != std::string::npos) {
            p = runP + 1;
            t = ++runT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && isAnyRun(pattern[p])) ++p;
    return p == pattern.size();
}

using Holds = bool (*)(int);
constexpr std::pair<std::string_view, Holds> kOperators[] = {
    {"=", [](int c) { return c == 0; }},  {"<>", [](int c) { return c != 0; }},
    {"!=", [](int c) { return c != 0; }}, {"<", [](int c) { return c < 0; }},
    {">", [](int c) { return c > 0; }},   {"<=", [](int c) { return c <= 0; }},
    {">=", [](int c) { return c >= 0; }},
};

enum class Tok { Word, Name, Text, Number, Symbol, End };

struct Token {
    Tok kind;
    std::string value;     // unquoted text, bracketed name, or the token as written
    std::string_view raw;  // as written, for messages
};

std::string quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// 1-based and counted in characters, which is what a user sees in the text box.
std::string position(std::string_view src, std::string_view at) {
    const auto chars =
        std::count_if(src.data(), at.data(), [](char c) { return !isContinuation(c); });
    return "position " + std::to_string(chars + 1);
}

bool startsNumber(std::string_view s, std::size_t i) {
    auto digitAt = [&](std::size_t k) { return k < s.size() && isDigit(s[k]); };
    if (s[i] == '+' || s[i] == '-') ++i;
    return digitAt(i) || (i < s.size() && s[i] == '.' && digitAt(i + 1));
}

std::vector<Token> tokenize(std::string_view src) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    auto push = [&](Tok kind, std::string value, std::size_t start) {
        tokens.push_back({kind, std::move(value), src.substr(start, i - start)});
    };
    while (i < src.size()) {
        const char c = src[i];
        const std::size_t start = i;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '\'' || c == '"') {
            std::string text;
            for (++i;; ++i) {
                if (i == src.size())
                    throw Error("unterminated quote at " + position(src, src.substr(start)) + ": " +
                                std::string(src.substr(start)));
                if (src[i] == c && (i + 1 == src.size() || src[i + 1] != c)) break;
                if (src[i] == c) ++i;  // a doubled quote stands for one
                text += src[i];
            }
            ++i;
            push(Tok::Text, std::move(text), start);
        } else if (c == '[') {
            const auto close = src.find(']', i);
            if (close == std::string_view::npos)
                throw Error("missing \"]\" after " + quoted(src.substr(start)));
            i = close + 1;
            push(Tok::Name, std::string(src.substr(start + 1, close - start - 1)), start);
        } else if (startsNumber(src, i)) {
            if (c == '+' || c == '-') ++i;
            while (i < src.size() && isDigit(src[i])) ++i;
            if (i < src.size() && src[i] == '.') ++i;
            while (i < src.size() && isDigit(src[i])) ++i;
            push(Tok::Number, std::string(src.substr(start, i - start)), start);
        } else if (isNameChar(c)) {
            while (i < src.size() && isNameChar(src[i])) ++i;
            push(Tok::Word, std::string(src.substr(start, i - start)), start);
        } else {
            const auto two = src.substr(i, 2);
            if (two == "<>" || two == "<=" || two == ">=" || two == "!=")
                i += 2;
            else if (std::string_view("=<>(),").find(c) != std::string_view::npos)
                ++i;
            else
                throw Error("unexpected " + quoted(two.substr(0, 1)) + " at " + position(src, two));
            push(Tok::Symbol, std::string(src.substr(start, i - start)), start);
        }
    }
    tokens.push_back({Tok::End, {}, src.substr(src.size())});
    return tokens;
}

Value numberValue(std::string_view s) {
    if (s.front() == '+') s.remove_prefix(1);  // from_chars takes no plus sign
    std::int64_t i = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), i);
    if (ec == std::errc() && end == s.data() + s.size()) return i;
    double d = 0;
    std::from_chars(s.data(), s.data() + s.size(), d);
    return d;
}

class Parser {
public:
    Parser(std::string_view src, const std::vector<std::string>& columns)
        : src_(src), columns_(columns), tokens_(tokenize(src)) {}

    bool atEnd() const { return peek().kind == Tok::End; }

    void expectEnd(std::string_view expected) const {
        if (!atEnd()) fail(expected);
    }

    const Token* accept(Tok kind) { return peek().kind == kind ? &tokens_[pos_++] : nullptr; }

    bool acceptWord(std::string_view keyword) {
        return peek().kind == Tok::Word && foldAscii(peek().value) == keyword && accept(Tok::Word);
    }

    bool acceptSymbol(std::string_view symbol) {
        return peek().kind == Tok::Symbol && peek().value == symbol && accept(Tok::Symbol);
    }

    std::size_t column() {
        const Token& t = peek();
        if (t.kind != Tok::Word && t.kind != Tok::Name) fail("a column");
        const auto name = foldAscii(t.value);
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (foldAscii(columns_[i]) == name) {
                ++pos_;
                return i;
            }
        }
        throw Error("unknown column " + quoted(t.value));
    }

    // `or` binds looser than `and`.
    Predicate disjunction() {
        Predicate left = conjunction();
        while (acceptWord("or"))
            left = [l = std::move(left), r = conjunction()](const Row& row) {
                return l(row) || r(row);
            };
        return left;
    }

private:
    Predicate conjunction() {
        Predicate left = negation();
        while (acceptWord("and"))
            left = [l = std::move(left), r = negation()](const Row& row) {
                return l(row) && r(row);
            };
        return left;
    }

    Predicate negation() {
        if (!acceptWord("not")) return primary();
        return [p = negation()](const Row& row) { return !p(row); };
    }

    Predicate primary() {
        if (!acceptSymbol("(")) return comparison(column());
        Predicate inner = disjunction();
        if (!acceptSymbol(")")) fail("\")\"");
        return inner;
    }

    Predicate comparison(std::size_t col) {
        if (acceptWord("is")) {
            const bool negated = acceptWord("not");
            if (!acceptWord("null")) fail("\"null\"");
            return [col, negated](const Row& row) { return isNull(row.at(col)) != negated; };
        }
        if (acceptWord("like")) {
            const Token* t = accept(Tok::Text);
            if (!t) fail("a quoted pattern");
            const auto folded = foldAscii(t->value);
            const auto chars = characters(folded);
            std::vector<std::string> pattern(chars.begin(), chars.end());
            return [col, pattern = std::move(pattern)](const Row& row) {
                const auto text = foldAscii(toText(row.at(col)));
                return likeMatch(characters(text), pattern);
            };
        }
        if (acceptWord("in")) {
            if (!acceptSymbol("(")) fail("\"(\"");
            std::vector<Literal> list{literal()};
            while (acceptSymbol(",")) list.push_back(literal());
            if (!acceptSymbol(")")) fail("\")\"");
            return [col, list](const Row& row) {
                return std::ranges::any_of(
                    list, [&](const Literal& lit) { return compare(row.at(col), lit) == 0; });
            };
        }
        const auto op =
            std::ranges::find_if(kOperators, [&](const auto& o) { return acceptSymbol(o.first); });
        if (op == std::end(kOperators)) fail("an operator");
        return [col, holds = op->second, lit = literal()](const Row& row) {
            return holds(compare(row.at(col), lit));
        };
    }

    Literal literal() {
        if (const Token* t = accept(Tok::Text)) return {Literal::Kind::Text, foldAscii(t->value)};
        if (const Token* t = accept(Tok::Number))
            return {Literal::Kind::Number, numberValue(t->raw)};
        if (acceptWord("true")) return {Literal::Kind::Boolean, std::int64_t{1}};
        if (acceptWord("false")) return {Literal::Kind::Boolean, std::int64_t{0}};
        if (peek().kind == Tok::Word && foldAscii(peek().value) == "null")
            throw Error(quoted(peek().raw) + " is no value; write \"is null\" at " +
                        position(src_, peek().raw));
        fail("a value");
    }

    [[noreturn]] void fail(std::string_view expected) const {
        const Token& t = peek();
        if (t.kind != Tok::End)
            throw Error("unexpected " + quoted(t.raw) + " at " + position(src_, t.raw) +
                        ": expected " + std::string(expected));
        // Blank text never reaches the parser, so an earlier token exists.
        throw Error("text ends after " + quoted(tokens_[pos_ - 1].raw) + ": expected " +
                    std::string(expected));
    }

    const Token& peek() const { return tokens_[pos_]; }

    std::string_view src_;
    const std::vector<std::string>& columns_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
};

}  // namespace

Filter Filter::parse(std::string_view text, const std::vector<std::string>& columns) {
    Parser parser(text, columns);
    if (parser.atEnd()) return {};
    Predicate test = parser.disjunction();
    parser.expectEnd("\"and\", \"or\" or the end");
    return Filter(std::move(test));
}

SortOrder SortOrder::parse(std::string_view text, const std::vector<std::string>& columns) {
    Parser parser(text, columns);
    SortOrder order;
    if (parser.atEnd()) return order;
    do {
        const std::size_t column = parser.column();
        const bool descending = parser.acceptWord("desc");
        if (!descending) parser.acceptWord("asc");
        order.keys_.push_back({column, descending});
    } while (parser.acceptSymbol(","));
    parser.expectEnd("\",\" or the end");
    return order;
}

bool SortOrder::less(const std::vector<Value>& a, const std::vector<Value>& b) const {
    for (const Key& key : keys_) {
        const int c = compareValues(a.at(key.column), b.at(key.column));
        if (c != 0) return key.descending ? c > 0 : c < 0;
    }
    return false;
}

}  // namespace db
