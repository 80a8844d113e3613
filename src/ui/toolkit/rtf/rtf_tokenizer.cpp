// SPDX-License-Identifier: MIT
#include "ui/toolkit/rtf/rtf_tokenizer.h"

#include <climits>

namespace zc {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RtfToken makeToken(RtfToken::Kind kind, unsigned char byte = 0) {
    RtfToken token;
    token.kind = kind;
    token.byte = byte;
    return token;
}

} // namespace

RtfToken RtfTokenizer::next() {
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return makeToken(RtfToken::Kind::GroupStart);
        case '}':
            ++m_pos;
            return makeToken(RtfToken::Kind::GroupEnd);
        case '\\': {
            RtfToken token;
            if (readControl(token)) return token;
            continue;
        }
        case '\r':
        case '\n':
            // Line breaks in the data only wrap the source text.
            ++m_pos;
            continue;
        default:
            ++m_pos;
            // Other control bytes carry nothing readable; a literal tab is a tab.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') continue;
            return makeToken(RtfToken::Kind::Text, static_cast<unsigned char>(c));
        }
    }
    return {};
}

bool RtfTokenizer::readControl(RtfToken& token) {
    ++m_pos; // the backslash
    if (m_pos >= m_data.size()) return false;
    const char c = m_data[m_pos];

    if (c == '\'') {
        ++m_pos;
        if (m_pos + 1 >= m_data.size()) {
            m_pos = m_data.size();
            return false;
        }
        const int high = hexValue(m_data[m_pos]);
        const int low = hexValue(m_data[m_pos + 1]);
        // A bad escape is dropped; the bytes after the quote are read as ordinary data.
        if (high < 0 || low < 0) return false;
        m_pos += 2;
        token = makeToken(RtfToken::Kind::HexByte, static_cast<unsigned char>(high * 16 + low));
        return true;
    }

    if (!isLetter(c)) {
        ++m_pos;
        // A backslash before a line break is a paragraph mark, as \par.
        if (c == '\r' || c == '\n') {
            token = makeToken(RtfToken::Kind::ControlWord);
            token.word = "par";
        } else {
            token = makeToken(RtfToken::Kind::ControlSymbol);
            token.symbol = c;
        }
        return true;
    }

    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    token = makeToken(RtfToken::Kind::ControlWord);
    if (m_pos - start <= kMaxWordLength)
        token.word = std::string_view(m_data.data() + start, static_cast<size_t>(m_pos - start));

    if (m_pos < m_data.size()) {
        const bool negative =
            m_data[m_pos] == '-' && m_pos + 1 < m_data.size() && isDigit(m_data[m_pos + 1]);
        if (negative || isDigit(m_data[m_pos])) {
            token.hasParameter = true;
            token.parameter = readParameter(negative);
        }
    }
    // One space ends a control word and belongs to it.
    if (m_pos < m_data.size() && m_data[m_pos] == ' ') ++m_pos;

    if (token.word == "bin" && token.parameter > 0) {
        const qsizetype left = m_data.size() - m_pos;
        m_pos += token.parameter < left ? token.parameter : left;
    }
    return true;
}

int RtfTokenizer::readParameter(bool negative) {
    if (negative) ++m_pos;
    long long value = 0;
    while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        // Saturate instead of overflowing; the digits are still consumed.
        if (value <= INT_MAX) value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

} // namespace zc
