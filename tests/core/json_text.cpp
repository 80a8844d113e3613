// SPDX-License-Identifier: MIT
#include "json_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zc::test {

namespace {

void writeString(std::string& out, const std::string& s) {
    out += '"';
    for (const char ch : s) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                static const char* const kHex = "0123456789abcdef";
                out += "\\u00";
                out += kHex[(ch >> 4) & 0xF];
                out += kHex[ch & 0xF];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool document(Json& out) {
        if (!value(out)) return false;
        skipSpace();
        return m_pos == m_text.size() || fail("text after the value");
    }

    std::string error;

private:
    bool fail(const char* what) {
        if (error.empty()) error = std::string(what) + " at offset " + std::to_string(m_pos);
        return false;
    }

    void skipSpace() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\n' ||
                                         m_text[m_pos] == '\r' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    bool literal(std::string_view word) {
        if (m_text.substr(m_pos, word.size()) != word) return fail("unknown word");
        m_pos += word.size();
        return true;
    }

    bool value(Json& out) {
        skipSpace();
        if (m_pos >= m_text.size()) return fail("missing value");
        const char c = m_text[m_pos];
        if (c == '{') return object(out);
        if (c == '[') return array(out);
        if (c == '"') {
            std::string s;
            if (!string(s)) return false;
            out = Json(std::move(s));
            return true;
        }
        if (c == 't') {
            out = Json(true);
            return literal("true");
        }
        if (c == 'f') {
            out = Json(false);
            return literal("false");
        }
        if (c == 'n') {
            out = Json();
            return literal("null");
        }
        return number(out);
    }

    bool number(Json& out) {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() &&
               std::string_view("+-0123456789.eE").find(m_text[m_pos]) != std::string_view::npos)
            ++m_pos;
        if (m_pos == start) return fail("unexpected character");
        const std::string digits(m_text.substr(start, m_pos - start));
        char* end = nullptr;
        const double v = std::strtod(digits.c_str(), &end);
        if (end != digits.c_str() + digits.size()) return fail("bad number");
        out = Json(v);
        return true;
    }

    bool hex4(char32_t& out) {
        if (m_pos + 4 > m_text.size()) return fail("short \\u escape");
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = m_text[m_pos++];
            out <<= 4;
            if (h >= '0' && h <= '9')
                out |= static_cast<char32_t>(h - '0');
            else if (h >= 'a' && h <= 'f')
                out |= static_cast<char32_t>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                out |= static_cast<char32_t>(h - 'A' + 10);
            else
                return fail("bad \\u escape");
        }
        return true;
    }

    bool string(std::string& out) {
        ++m_pos; // the opening quote
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size()) break;
            const char e = m_text[m_pos++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t cp = 0;
                if (!hex4(cp)) return false;
                if (cp >= 0xD800 && cp < 0xDC00 && m_text.substr(m_pos, 2) == "\\u") {
                    m_pos += 2;
                    char32_t low = 0;
                    if (!hex4(low)) return false;
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, cp);
                break;
            }
            default:
                return fail("bad escape");
            }
        }
        return fail("unterminated string");
    }

    bool array(Json& out) {
        ++m_pos;
        std::vector<Json> items;
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == ']') {
            ++m_pos;
            out = Json(std::move(items));
            return true;
        }
        for (;;) {
            Json item;
            if (!value(item)) return false;
            items.push_back(std::move(item));
            skipSpace();
            if (m_pos < m_text.size() && m_text[m_pos] == ',') {
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] == ']') {
                ++m_pos;
                out = Json(std::move(items));
                return true;
            }
            return fail("expected , or ]");
        }
    }

    bool object(Json& out) {
        ++m_pos;
        std::map<std::string, Json> members;
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == '}') {
            ++m_pos;
            out = Json(std::move(members));
            return true;
        }
        for (;;) {
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != '"') return fail("expected a key");
            std::string key;
            if (!string(key)) return false;
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != ':') return fail("expected :");
            ++m_pos;
            Json item;
            if (!value(item)) return false;
            members[key] = std::move(item);
            skipSpace();
            if (m_pos < m_text.size() && m_text[m_pos] == ',') {
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] == '}') {
                ++m_pos;
                out = Json(std::move(members));
                return true;
            }
            return fail("expected , or }");
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

const Json* Json::find(const std::string& key) const {
    if (m_kind != Kind::Object) return nullptr;
    const auto it = m_members.find(key);
    return it == m_members.end() ? nullptr : &it->second;
}

std::string Json::compact() const {
    std::string out;
    switch (m_kind) {
    case Kind::Null:
        return "null";
    case Kind::Bool:
        return m_bool ? "true" : "false";
    case Kind::Number: {
        if (!std::isfinite(m_number)) return "null";
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, m_number);
        return std::string(buf, r.ptr);
    }
    case Kind::String:
        writeString(out, m_string);
        return out;
    case Kind::Array:
        out += '[';
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (i > 0) out += ',';
            out += m_items[i].compact();
        }
        out += ']';
        return out;
    case Kind::Object: {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : m_members) {
            if (!first) out += ',';
            first = false;
            writeString(out, key);
            out += ':';
            out += item.compact();
        }
        out += '}';
        return out;
    }
    }
    return out;
}

Json Json::parse(std::string_view text, std::string* error) {
    Reader reader(text);
    Json out;
    if (!reader.document(out)) {
        if (error != nullptr) *error = reader.error;
        return Json();
    }
    return out;
}

} // namespace zc::test
