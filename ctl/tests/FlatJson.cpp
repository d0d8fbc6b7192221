#include "FlatJson.h"

#include <cctype>
#include <stdexcept>

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}

    std::map<std::string, std::string> ReadAll() {
        Value("");
        SkipSpace();
        if (m_pos != m_text.size()) throw std::runtime_error("text after the value");
        return m_leaves;
    }

private:
    void SkipSpace() {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
    }
    char Peek() {
        SkipSpace();
        if (m_pos == m_text.size()) throw std::runtime_error("unexpected end");
        return m_text[m_pos];
    }
    void Expect(char c) {
        if (Peek() != c) throw std::runtime_error(std::string("expected ") + c);
        ++m_pos;
    }
    bool TakeComma() {
        if (Peek() != ',') return false;
        ++m_pos;
        return true;
    }
    const char* Word() {
        for (const char* szWord : {"true", "false", "null"}) {
            const std::string word = szWord;
            if (m_text.compare(m_pos, word.size(), word) == 0) {
                m_pos += word.size();
                return szWord;
            }
        }
        return nullptr;
    }

    // Only the escapes a writer of plain text needs: \" \\ and \u00XX below 0x80.
    std::string String() {
        Expect('"');
        std::string value;
        while (m_pos < m_text.size() && m_text[m_pos] != '"') {
            char c = m_text[m_pos++];
            if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("raw control character");
            if (c == '\\') {
                if (m_pos == m_text.size()) break;
                c = m_text[m_pos++];
                if (c == 'u') {
                    c = static_cast<char>(std::stoi(m_text.substr(m_pos, 4), nullptr, 16));
                    m_pos += 4;
                } else if (c != '"' && c != '\\' && c != '/') {
                    throw std::runtime_error("unknown escape");
                }
            }
            value += c;
        }
        Expect('"');
        return value;
    }

    void Value(const std::string& path) {
        const char c = Peek();
        if (c == '{') {
            ++m_pos;
            if (Peek() == '}') {
                ++m_pos;
                return;
            }
            do {
                const std::string key = String();
                Expect(':');
                Value(path.empty() ? key : path + "." + key);
            } while (TakeComma());
            Expect('}');
        } else if (c == '[') {
            ++m_pos;
            int nIndex = 0;
            if (Peek() == ']') {
                ++m_pos;
                m_leaves[path] = "[]";
                return;
            }
            do {
                Value(path + "[" + std::to_string(nIndex++) + "]");
            } while (TakeComma());
            Expect(']');
        } else if (c == '"') {
            std::string leaf = "\"";
            leaf += String();
            m_leaves[path] = leaf + '"';
        } else if (const char* szWord = Word()) {
            m_leaves[path] = szWord;
        } else {
            const size_t start = m_pos;
            if (m_text[m_pos] == '-') ++m_pos;
            while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
            if (m_pos == start) throw std::runtime_error("not a value");
            m_leaves[path] = m_text.substr(start, m_pos - start);
        }
    }

    const std::string& m_text;
    size_t m_pos = 0;
    std::map<std::string, std::string> m_leaves;
};

}  // namespace

std::optional<std::map<std::string, std::string>> ReadFlatJson(const std::string& text) {
    try {
        return Reader(text).ReadAll();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
