#include "BoolExpression.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

enum class TToken { Name, Zero, One, Not, Prime, And, Or, Xor, Open, Close, End };

struct TLexeme {
    TToken Kind = TToken::End;
    std::string Name;
    // Counted in characters from 1, as the reader sees them.
    size_t Column = 0;
};

bool NameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool NamePart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

// UTF-8 characters, not bytes: what a reader counts.
size_t Characters(std::string_view text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
}

std::vector<TLexeme> Lexemes(std::string_view text, size_t firstColumn)
{
    // The symbols of more than one byte, as UTF-8.
    static const std::pair<std::string_view, TToken> symbols[] = {
        {"\u00b7", TToken::And}, {"\u22c5", TToken::And}, {"\u2227", TToken::And}, {"\u00ac", TToken::Not},
        {"\u2228", TToken::Or},  {"\u2295", TToken::Xor}, {"*", TToken::And},      {"&", TToken::And},
        {"/", TToken::Not},      {"!", TToken::Not},      {"~", TToken::Not},      {"'", TToken::Prime},
        {"+", TToken::Or},       {"|", TToken::Or},       {"^", TToken::Xor},      {"(", TToken::Open},
        {")", TToken::Close},
    };
    std::vector<TLexeme> lexemes;
    size_t column = firstColumn;
    while (!text.empty()) {
        const char c = text.front();
        size_t length = 1;
        if (c == ' ' || c == '\t') {
        } else if (NameStart(c) || std::isdigit(static_cast<unsigned char>(c))) {
            while (length < text.size() && NamePart(text[length])) ++length;
            const std::string word(text.substr(0, length));
            if (word == "0" || word == "1")
                lexemes.push_back({word == "0" ? TToken::Zero : TToken::One, {}, column});
            else if (NameStart(c))
                lexemes.push_back({TToken::Name, word, column});
            else
                throw TExpressionError(TExpressionFault::NotAName, column, word);
        } else {
            const auto symbol = std::find_if(std::begin(symbols), std::end(symbols),
                                             [&](const auto& s) { return text.starts_with(s.first); });
            if (symbol == std::end(symbols))
                throw TExpressionError(TExpressionFault::NotASymbol, column);
            length = symbol->first.size();
            lexemes.push_back({symbol->second, {}, column});
        }
        column += Characters(text.substr(0, length));
        text.remove_prefix(length);
    }
    lexemes.push_back({TToken::End, {}, column});
    return lexemes;
}

// The expression as a tree; a leaf is an input or a constant.
struct TNode {
    TToken Op = TToken::Zero;  // Name, Zero, One, Not, And, Or or Xor
    int Input = -1;
    std::unique_ptr<TNode> Left, Right;

    bool Value(uint32_t row, int inputs) const
    {
        switch (Op) {
        case TToken::Name: return (row >> (inputs - 1 - Input)) & 1;
        case TToken::One: return true;
        case TToken::Not: return !Left->Value(row, inputs);
        case TToken::And: return Left->Value(row, inputs) && Right->Value(row, inputs);
        case TToken::Or: return Left->Value(row, inputs) || Right->Value(row, inputs);
        case TToken::Xor: return Left->Value(row, inputs) != Right->Value(row, inputs);
        default: return false;
        }
    }
};

// Recursive descent, one function a level of binding: or, xor, and, then a factor with its NOTs.
class TParser {
public:
    TParser(std::vector<TLexeme> lexemes, std::vector<std::string> names)
        : lexemes_(std::move(lexemes)), names_(std::move(names))
    {
    }

    std::unique_ptr<TNode> Whole()
    {
        auto node = Or();
        if (Peek().Kind == TToken::Close)
            throw TExpressionError(TExpressionFault::ClosesNone, Peek().Column);
        if (Peek().Kind != TToken::End) Unexpected();
        return node;
    }

private:
    const TLexeme& Peek() const { return lexemes_[at_]; }

    [[noreturn]] void Unexpected() const
    {
        if (Peek().Kind == TToken::End) throw TExpressionError(TExpressionFault::EndsEarly);
        throw TExpressionError(TExpressionFault::OperandExpected, Peek().Column);
    }

    static std::unique_ptr<TNode> Join(TToken op, std::unique_ptr<TNode> left, std::unique_ptr<TNode> right)
    {
        auto node = std::make_unique<TNode>();
        node->Op = op;
        node->Left = std::move(left);
        node->Right = std::move(right);
        return node;
    }

    // Operands of the next level joined by op, from the left.
    std::unique_ptr<TNode> Chain(TToken op, std::unique_ptr<TNode> (TParser::*next)())
    {
        auto node = (this->*next)();
        while (Peek().Kind == op) {
            ++at_;
            node = Join(op, std::move(node), (this->*next)());
        }
        return node;
    }

    std::unique_ptr<TNode> Or() { return Chain(TToken::Or, &TParser::Xor); }
    std::unique_ptr<TNode> Xor() { return Chain(TToken::Xor, &TParser::And); }

    bool StartsFactor() const
    {
        const TToken k = Peek().Kind;
        return k == TToken::Name || k == TToken::Zero || k == TToken::One || k == TToken::Not || k == TToken::Open;
    }

    std::unique_ptr<TNode> And()
    {
        auto node = Factor();
        while (Peek().Kind == TToken::And || StartsFactor()) {
            if (Peek().Kind == TToken::And) ++at_;
            node = Join(TToken::And, std::move(node), Factor());
        }
        return node;
    }

    std::unique_ptr<TNode> Factor()
    {
        const TLexeme& lexeme = Peek();
        std::unique_ptr<TNode> node;
        switch (lexeme.Kind) {
        case TToken::Not:
            ++at_;
            return Join(TToken::Not, Factor(), nullptr);
        case TToken::Open: {
            ++at_;
            node = Or();
            if (Peek().Kind != TToken::Close)
                throw TExpressionError(TExpressionFault::NotClosed, lexeme.Column);
            ++at_;
            break;
        }
        case TToken::Name:
        case TToken::Zero:
        case TToken::One:
            node = std::make_unique<TNode>();
            node->Op = lexeme.Kind;
            if (lexeme.Kind == TToken::Name)
                node->Input = static_cast<int>(std::lower_bound(names_.begin(), names_.end(), lexeme.Name) - names_.begin());
            ++at_;
            break;
        default: Unexpected();
        }
        while (Peek().Kind == TToken::Prime) {
            ++at_;
            node = Join(TToken::Not, std::move(node), nullptr);
        }
        return node;
    }

    std::vector<TLexeme> lexemes_;
    std::vector<std::string> names_;
    size_t at_ = 0;
};

std::string Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first));
}

}  // namespace

TBoolExpression ReadExpression(std::string_view text)
{
    std::string output = "F";
    size_t firstColumn = 1;
    if (const size_t equals = text.find('='); equals != std::string_view::npos) {
        output = Trimmed(text.substr(0, equals));
        if (output.empty() || !NameStart(output.front()) || !std::all_of(output.begin(), output.end(), NamePart))
            throw TExpressionError(TExpressionFault::NoOutputName);
        firstColumn += Characters(text.substr(0, equals + 1));
        text.remove_prefix(equals + 1);
    }
    if (Trimmed(text).empty()) throw TExpressionError(TExpressionFault::Empty);
    std::vector<TLexeme> lexemes = Lexemes(text, firstColumn);
    std::vector<std::string> names;
    for (const TLexeme& l : lexemes)
        if (l.Kind == TToken::Name) names.push_back(l.Name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    if (names.empty()) throw TExpressionError(TExpressionFault::NoInput);
    if (names.size() > static_cast<size_t>(TBoolFunction::MaxInputs))
        throw TExpressionError(TExpressionFault::TooManyInputs, 0, {}, names.size());
    if (std::find(names.begin(), names.end(), output) != names.end())
        throw TExpressionError(TExpressionFault::OutputIsInput, 0, output);

    const auto tree = TParser(std::move(lexemes), names).Whole();
    const int n = static_cast<int>(names.size());
    TBoolFunction f(n);
    for (uint32_t r = 0; r < f.Rows(); ++r) f.Set(r, tree->Value(r, n) ? TLogicValue::One : TLogicValue::Zero);
    return {output, names, std::move(f)};
}
