#include "JetToken.h"
#include "platform/db/JetErrors.h"

namespace platform::db::sql {
namespace {

using jet::ExpressionFault;

bool isNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isNamePart(unsigned char c) {
    return isNameStart(c) || isDigit(c);
}
bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

class Lexer {
public:
    explicit Lexer(std::string_view source) : m_src(source) {}

    std::vector<JetToken> run() {
        std::vector<JetToken> out;
        out.reserve(m_src.size() / 4 + 2); // about one token in four characters: no growing on the way
        while (true) {
            skipBlanks();
            JetToken t;
            t.offset = m_pos;
            if (m_pos >= m_src.size()) {
                t.end = m_pos;
                out.push_back(std::move(t));
                return out;
            }
            readToken(t, out);
            t.end = m_pos;
            const bool invalid = t.kind == JetToken::Kind::Invalid;
            out.push_back(std::move(t));
            if (invalid) {
                out.push_back(JetToken{JetToken::Kind::End, {}, m_src.size(), m_src.size(), 0});
                return out;
            }
        }
    }

private:
    void skipBlanks() {
        while (m_pos < m_src.size() && isBlank(static_cast<unsigned char>(m_src[m_pos]))) {
            ++m_pos;
        }
    }

    [[nodiscard]] unsigned char at(std::size_t i) const {
        return i < m_src.size() ? static_cast<unsigned char>(m_src[i]) : '\0';
    }

    void invalid(JetToken& t, ExpressionFault fault) {
        t.kind = JetToken::Kind::Invalid;
        t.fault = static_cast<int>(fault);
        m_pos = m_src.size();
    }

    void readToken(JetToken& t, const std::vector<JetToken>& before) {
        const unsigned char c = at(m_pos);
        if (isNameStart(c)) {
            readWord(t);
        } else if (c == '[') {
            readBracketName(t);
        } else if (isDigit(c) || (c == '.' && isDigit(at(m_pos + 1)) && !followsName(before))) {
            readNumber(t);
        } else if (c == '\'' || c == '"') {
            readText(t, static_cast<char>(c));
        } else if (c == '#') {
            readDate(t);
        } else {
            readSymbol(t);
        }
    }

    static bool followsName(const std::vector<JetToken>& before) {
        if (before.empty()) {
            return false;
        }
        const JetToken& p = before.back();
        return p.isName() || p.isSymbol(")");
    }

    void readWord(JetToken& t) {
        t.kind = JetToken::Kind::Word;
        const std::size_t start = m_pos;
        while (isNamePart(at(m_pos))) {
            ++m_pos;
        }
        if (at(m_pos) == '$') { // Mid$, Left$, Format$: the text-returning spellings of the functions
            ++m_pos;
        }
        t.text = std::string(m_src.substr(start, m_pos - start));
    }

    void readBracketName(JetToken& t) {
        t.kind = JetToken::Kind::BracketName;
        const std::size_t close = m_src.find(']', m_pos + 1);
        if (close == std::string_view::npos) {
            invalid(t, ExpressionFault::MissingParenthesis);
            return;
        }
        t.text = std::string(m_src.substr(m_pos + 1, close - m_pos - 1));
        m_pos = close + 1;
    }

    void readNumber(JetToken& t) {
        t.kind = JetToken::Kind::Number;
        const std::size_t start = m_pos;
        while (isDigit(at(m_pos))) {
            ++m_pos;
        }
        if (at(m_pos) == '.') {
            ++m_pos;
            while (isDigit(at(m_pos))) {
                ++m_pos;
            }
        }
        if ((at(m_pos) == 'e' || at(m_pos) == 'E') &&
            (isDigit(at(m_pos + 1)) ||
             ((at(m_pos + 1) == '+' || at(m_pos + 1) == '-') && isDigit(at(m_pos + 2))))) {
            m_pos += 2;
            while (isDigit(at(m_pos))) {
                ++m_pos;
            }
        }
        t.text = std::string(m_src.substr(start, m_pos - start));
    }

    void readText(JetToken& t, char quote) {
        t.kind = JetToken::Kind::Text;
        ++m_pos;
        while (true) {
            if (m_pos >= m_src.size()) {
                invalid(t, ExpressionFault::StringSyntax);
                return;
            }
            const char c = m_src[m_pos++];
            if (c == quote) {
                if (m_pos < m_src.size() && m_src[m_pos] == quote) {
                    t.text += quote;
                    ++m_pos;
                    continue;
                }
                return;
            }
            t.text += c;
        }
    }

    void readDate(JetToken& t) {
        t.kind = JetToken::Kind::Date;
        const std::size_t close = m_src.find('#', m_pos + 1);
        if (close == std::string_view::npos) {
            invalid(t, ExpressionFault::DateSyntax);
            return;
        }
        t.text = std::string(m_src.substr(m_pos + 1, close - m_pos - 1));
        m_pos = close + 1;
    }

    void readSymbol(JetToken& t) {
        t.kind = JetToken::Kind::Symbol;
        const char c = m_src[m_pos];
        const char n = m_pos + 1 < m_src.size() ? m_src[m_pos + 1] : '\0';
        if ((c == '<' && (n == '>' || n == '=')) || (c == '>' && n == '=')) {
            t.text = std::string{c, n};
            m_pos += 2;
            return;
        }
        static constexpr std::string_view kSingle = "=<>(),.;*+-/\\^&!?";
        if (kSingle.find(c) == std::string_view::npos) {
            invalid(t, ExpressionFault::MissingOperator);
            return;
        }
        t.text = std::string(1, c);
        ++m_pos;
    }

    std::string_view m_src;
    std::size_t m_pos = 0;
};

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool JetToken::isWord(std::string_view w) const {
    return kind == Kind::Word && equalsIgnoringCase(text, w);
}

std::vector<JetToken> tokenizeJet(std::string_view source) {
    return Lexer(source).run();
}

} // namespace platform::db::sql
