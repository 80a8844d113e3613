// SPDX-License-Identifier: MIT
#include "ui/toolkit/rtf/rtf_control_words.h"

#include <algorithm>
#include <array>

namespace zc {

namespace {

using A = RtfAction;

// Sorted by name for the binary search below.
constexpr auto kWords = std::to_array<RtfControlWord>({
    {"annotation", A::SkipDestination, 0},
    {"atnauthor", A::SkipDestination, 0},
    {"atnid", A::SkipDestination, 0},
    {"author", A::SkipDestination, 0},
    {"b", A::Bold, 0},
    {"bkmkend", A::SkipDestination, 0},
    {"bkmkstart", A::SkipDestination, 0},
    {"blue", A::Blue, 0},
    {"bullet", A::Character, 0x2022},
    {"cell", A::Character, u'\t'},
    {"cf", A::Colour, 0},
    {"colorschememapping", A::SkipDestination, 0},
    {"colortbl", A::ColourTable, 0},
    {"comment", A::SkipDestination, 0},
    {"company", A::SkipDestination, 0},
    {"datastore", A::SkipDestination, 0},
    {"deff", A::DefaultFont, 0},
    {"doccomm", A::SkipDestination, 0},
    {"docvar", A::SkipDestination, 0},
    {"emdash", A::Character, 0x2014},
    {"emspace", A::Character, 0x2003},
    {"endash", A::Character, 0x2013},
    {"enspace", A::Character, 0x2002},
    {"f", A::Font, 0},
    {"falt", A::SkipDestination, 0},
    {"fi", A::FirstIndent, 0},
    {"filetbl", A::SkipDestination, 0},
    {"fldinst", A::SkipDestination, 0},
    {"fonttbl", A::FontTable, 0},
    {"footer", A::SkipDestination, 0},
    {"footerf", A::SkipDestination, 0},
    {"footerl", A::SkipDestination, 0},
    {"footerr", A::SkipDestination, 0},
    {"footnote", A::SkipDestination, 0},
    {"fs", A::FontSize, 0},
    {"generator", A::SkipDestination, 0},
    {"green", A::Green, 0},
    {"header", A::SkipDestination, 0},
    {"headerf", A::SkipDestination, 0},
    {"headerl", A::SkipDestination, 0},
    {"headerr", A::SkipDestination, 0},
    {"i", A::Italic, 0},
    {"info", A::SkipDestination, 0},
    {"keywords", A::SkipDestination, 0},
    {"latentstyles", A::SkipDestination, 0},
    {"ldblquote", A::Character, 0x201C},
    {"li", A::LeftIndent, 0},
    {"line", A::Character, 0x2028},
    {"listoverridetable", A::SkipDestination, 0},
    {"listtable", A::SkipDestination, 0},
    {"lquote", A::Character, 0x2018},
    {"nonshppict", A::SkipDestination, 0},
    {"nosupersub", A::NoSuperSub, 0},
    {"object", A::SkipDestination, 0},
    {"operator", A::SkipDestination, 0},
    {"page", A::Paragraph, 0},
    {"panose", A::SkipDestination, 0},
    {"par", A::Paragraph, 0},
    {"pard", A::Pard, 0},
    {"pgdsctbl", A::SkipDestination, 0},
    {"pict", A::SkipDestination, 0},
    {"plain", A::Plain, 0},
    {"private", A::SkipDestination, 0},
    {"qc", A::AlignCentre, 0},
    {"qj", A::AlignJustify, 0},
    {"ql", A::AlignLeft, 0},
    {"qmspace", A::Character, 0x2005},
    {"qr", A::AlignRight, 0},
    {"rdblquote", A::Character, 0x201D},
    {"red", A::Red, 0},
    {"revtbl", A::SkipDestination, 0},
    {"ri", A::RightIndent, 0},
    {"row", A::Paragraph, 0},
    {"rquote", A::Character, 0x2019},
    {"rsidtbl", A::SkipDestination, 0},
    {"sa", A::SpaceAfter, 0},
    {"sb", A::SpaceBefore, 0},
    {"sect", A::Paragraph, 0},
    {"strike", A::Strike, 0},
    {"striked", A::Strike, 0},
    {"stylesheet", A::SkipDestination, 0},
    {"sub", A::Subscript, 0},
    {"subject", A::SkipDestination, 0},
    {"super", A::Superscript, 0},
    {"tab", A::Character, u'\t'},
    {"tc", A::SkipDestination, 0},
    {"themedata", A::SkipDestination, 0},
    {"title", A::SkipDestination, 0},
    {"txe", A::SkipDestination, 0},
    {"u", A::Unicode, 0},
    {"uc", A::UnicodeSkip, 0},
    {"ul", A::Underline, 0},
    {"uld", A::Underline, 0},
    {"uldash", A::Underline, 0},
    {"uldashd", A::Underline, 0},
    {"uldashdd", A::Underline, 0},
    {"uldb", A::Underline, 0},
    {"ulhwave", A::Underline, 0},
    {"ulldash", A::Underline, 0},
    {"ulnone", A::NoUnderline, 0},
    {"ulth", A::Underline, 0},
    {"ulthd", A::Underline, 0},
    {"ulthdash", A::Underline, 0},
    {"ulthdashd", A::Underline, 0},
    {"ulthdashdd", A::Underline, 0},
    {"ulthldash", A::Underline, 0},
    {"ululdbwave", A::Underline, 0},
    {"ulw", A::Underline, 0},
    {"ulwave", A::Underline, 0},
    {"userprops", A::SkipDestination, 0},
    {"xe", A::SkipDestination, 0},
    {"xmlnstbl", A::SkipDestination, 0},
});

constexpr bool byName(const RtfControlWord& a, const RtfControlWord& b) {
    return a.name < b.name;
}

static_assert(std::is_sorted(kWords.begin(), kWords.end(), byName));
static_assert(std::adjacent_find(kWords.begin(), kWords.end(),
                                 [](const RtfControlWord& a, const RtfControlWord& b) {
                                     return a.name == b.name;
                                 }) == kWords.end());

} // namespace

RtfControlWord lookupRtfControlWord(std::string_view name) {
    const RtfControlWord key{name, A::Ignore, 0};
    const auto it = std::lower_bound(kWords.begin(), kWords.end(), key, byName);
    if (it != kWords.end() && it->name == name) return *it;
    return key;
}

} // namespace zc
