// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <string_view>

namespace zc {

struct RtfToken {
    enum class Kind {
        End,           // no data left
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \letters with an optional signed number
        ControlSymbol, // \ and one non-letter, e.g. \~ \{ \*
        HexByte,       // \'hh
        Text,          // one byte of text
    };

    Kind kind = Kind::End;
    std::string_view word; // ControlWord: its letters; empty when the word is too long to be one
    bool hasParameter = false;
    int parameter = 0;      // clamped to the range of int
    char symbol = 0;        // ControlSymbol: the character after the backslash
    unsigned char byte = 0; // HexByte and Text
};

/// Splits RTF data into tokens, one call at a time. Each byte of the data is looked at a fixed
/// number of times, whatever the data holds. The data of \binN is stepped over here, so that its
/// bytes are never taken for RTF; the word itself is still returned.
class RtfTokenizer {
public:
    /// The tokenizer keeps a view of `data`, which must outlive it.
    explicit RtfTokenizer(QByteArrayView data) : m_data(data) {}

    /// The next token; Kind::End once the data is used up (also inside a cut-off escape).
    RtfToken next();

    /// Letters kept of a control word; longer words come back with an empty `word`.
    static constexpr qsizetype kMaxWordLength = 32;

private:
    // Reads the escape at the backslash; false when it yields no token (cut off or malformed).
    bool readControl(RtfToken& token);
    int readParameter(bool negative);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace zc
