// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zc {

/// What the reader does with a control word.
enum class RtfAction {
    Ignore,          // words the reader has no use for, unknown words included
    FontTable,       // \fonttbl
    ColourTable,     // \colortbl
    SkipDestination, // a destination whose content is not page text
    DefaultFont,     // \deffN
    Red,             // \redN, \greenN, \blueN: colour table components
    Green,
    Blue,
    Plain,       // \plain: character formatting back to the defaults
    Font,        // \fN
    FontSize,    // \fsN, in half-points
    Bold,        // \b, \b0
    Italic,      // \i, \i0
    Underline,   // \ul and its styled forms, \ul0
    NoUnderline, // \ulnone
    Strike,      // \strike, \striked1, \strike0
    Colour,      // \cfN
    Superscript,
    Subscript,
    NoSuperSub,
    Pard, // \pard: paragraph formatting back to the defaults
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,  // \liN, twips
    RightIndent, // \riN, twips
    FirstIndent, // \fiN, twips
    SpaceBefore, // \sbN, twips
    SpaceAfter,  // \saN, twips
    Paragraph,   // \par and the other words that end a paragraph
    Character,   // a word that stands for one character (\tab, \line, \emdash ...)
    Unicode,     // \uN
    UnicodeSkip, // \ucN
};

struct RtfControlWord {
    std::string_view name;
    RtfAction action;
    char16_t character; // RtfAction::Character only
};

/// The row for a control word's letters; an unknown word gives an Ignore row.
RtfControlWord lookupRtfControlWord(std::string_view name);

} // namespace zc
