// SPDX-License-Identifier: MIT
#include "ui/toolkit/rtf/rtf_reader.h"

#include "ui/toolkit/rtf/rtf_control_words.h"
#include "ui/toolkit/rtf/rtf_tokenizer.h"
#include "ui/toolkit/rtf/windows1252.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace zc {

namespace {

// Limits on what the tables may hold, so that a hostile file cannot grow them without end.
constexpr std::size_t kMaxFonts = 1024;
constexpr qsizetype kMaxFontNameLength = 128;
constexpr std::size_t kMaxColours = 1024;
// Unicode fallback lengths beyond this are nonsense; the skip also ends at a brace.
constexpr int kMaxUnicodeSkip = 16;
// Sizes in half-points and distances in twips.
constexpr int kMinFontSize = 2;
constexpr int kMaxFontSize = 600;
constexpr int kDefaultFontSize = 24;
constexpr int kMaxIndent = 14400;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch, 96 pixels per inch

enum class Destination { Text, FontTable, ColourTable, Skip };

// Everything a group saves and its closing brace restores.
struct GroupState {
    Destination destination = Destination::Text;
    int font = 0;
    int fontSize = kDefaultFontSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int unicodeSkip = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

class RtfReader {
public:
    explicit RtfReader(QTextDocument* document) : m_cursor(document) {}

    bool read(QByteArrayView data);

private:
    GroupState& state() { return m_stack.back(); }
    const GroupState& state() const { return m_stack.back(); }

    void controlWord(const RtfToken& token);
    void tableWord(RtfAction action, const RtfToken& token);
    void textWord(const RtfControlWord& row, const RtfToken& token);
    void controlSymbol(char symbol);
    void byte(unsigned char value, bool literal);
    void character(char16_t c);
    void unicode(int value);
    void groupEnd();

    void appendToPage(char16_t c);
    void openPendingBlock();
    void endParagraph();
    void flushRun();
    void finish();
    void commitFont();
    void commitColour();
    void formatChanged() { m_formatDirty = true; }

    QTextCharFormat charFormat() const;
    QTextBlockFormat blockFormat() const;

    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;

    QString m_run; // text waiting to be inserted with m_runFormat
    QTextCharFormat m_runFormat;
    bool m_formatDirty = true;
    bool m_blockPending = false; // a paragraph ended; its successor is made on the next content
    bool m_visibleText = false;
    int m_fallbackLeft = 0; // characters after \uN still to be skipped
    char16_t m_highSurrogate = 0;

    std::map<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_tableFont = -1;
    QString m_tableFontName;

    std::vector<std::optional<QColor>> m_colours; // empty entries are the automatic colour
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourGiven = false;
};

bool RtfReader::read(QByteArrayView data) {
    RtfTokenizer tokenizer(data);
    bool damaged = false;
    bool closed = false;
    m_cursor.beginEditBlock();
    while (!closed) {
        const RtfToken token = tokenizer.next();
        if (token.kind == RtfToken::Kind::End) {
            damaged = true; // the outermost group was never closed
            break;
        }
        if (token.kind == RtfToken::Kind::GroupStart) {
            m_fallbackLeft = 0;
            if (static_cast<int>(m_stack.size()) >= kMaxRtfGroupDepth) {
                damaged = true;
                break;
            }
            m_stack.push_back(m_stack.empty() ? GroupState{} : state());
            continue;
        }
        if (token.kind == RtfToken::Kind::GroupEnd) {
            m_fallbackLeft = 0;
            if (m_stack.size() == 1) {
                closed = true;
                break;
            }
            groupEnd();
            continue;
        }
        if (m_fallbackLeft > 0) {
            --m_fallbackLeft;
            continue;
        }
        switch (token.kind) {
        case RtfToken::Kind::ControlWord:
            controlWord(token);
            break;
        case RtfToken::Kind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            byte(token.byte, false);
            break;
        case RtfToken::Kind::Text:
            byte(token.byte, true);
            break;
        default:
            break;
        }
    }
    if (!m_stack.empty()) finish();
    m_cursor.endEditBlock();
    return !damaged || m_visibleText;
}

void RtfReader::groupEnd() {
    const Destination leaving = state().destination;
    m_stack.pop_back();
    // A font entry may lack its closing semicolon; its group's end completes it.
    if (leaving == Destination::FontTable && state().destination != Destination::Skip) commitFont();
    formatChanged();
}

void RtfReader::controlWord(const RtfToken& token) {
    const RtfControlWord row = lookupRtfControlWord(token.word);
    GroupState& s = state();
    switch (row.action) {
    case RtfAction::SkipDestination:
        s.destination = Destination::Skip;
        return;
    case RtfAction::FontTable:
        if (s.destination != Destination::Skip) s.destination = Destination::FontTable;
        return;
    case RtfAction::ColourTable:
        if (s.destination != Destination::Skip) s.destination = Destination::ColourTable;
        return;
    default:
        break;
    }
    switch (s.destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
    case Destination::ColourTable:
        tableWord(row.action, token);
        return;
    case Destination::Text:
        textWord(row, token);
        return;
    }
}

void RtfReader::tableWord(RtfAction action, const RtfToken& token) {
    const int component = std::clamp(token.parameter, 0, 255);
    switch (action) {
    case RtfAction::Font:
        if (state().destination == Destination::FontTable) {
            m_tableFont = token.parameter;
            m_tableFontName.clear();
        }
        break;
    case RtfAction::Red:
        m_red = component;
        m_colourGiven = true;
        break;
    case RtfAction::Green:
        m_green = component;
        m_colourGiven = true;
        break;
    case RtfAction::Blue:
        m_blue = component;
        m_colourGiven = true;
        break;
    case RtfAction::Unicode:
        unicode(token.parameter);
        break;
    case RtfAction::UnicodeSkip:
        state().unicodeSkip = std::clamp(token.parameter, 0, kMaxUnicodeSkip);
        break;
    default:
        break;
    }
}

void RtfReader::textWord(const RtfControlWord& row, const RtfToken& token) {
    GroupState& s = state();
    const int n = token.parameter;
    // A toggle is switched on by the bare word and off by its 0 form.
    const bool on = !token.hasParameter || n != 0;
    switch (row.action) {
    case RtfAction::DefaultFont:
        m_defaultFont = n;
        s.font = n;
        formatChanged();
        break;
    case RtfAction::Plain:
        s.font = m_defaultFont;
        s.fontSize = kDefaultFontSize;
        s.bold = s.italic = s.underline = s.strike = false;
        s.colour = 0;
        s.vertical = QTextCharFormat::AlignNormal;
        formatChanged();
        break;
    case RtfAction::Font:
        s.font = n;
        formatChanged();
        break;
    case RtfAction::FontSize:
        s.fontSize =
            token.hasParameter ? std::clamp(n, kMinFontSize, kMaxFontSize) : kDefaultFontSize;
        formatChanged();
        break;
    case RtfAction::Bold:
        s.bold = on;
        formatChanged();
        break;
    case RtfAction::Italic:
        s.italic = on;
        formatChanged();
        break;
    case RtfAction::Underline:
        s.underline = on;
        formatChanged();
        break;
    case RtfAction::NoUnderline:
        s.underline = false;
        formatChanged();
        break;
    case RtfAction::Strike:
        s.strike = on;
        formatChanged();
        break;
    case RtfAction::Colour:
        s.colour = n;
        formatChanged();
        break;
    case RtfAction::Superscript:
        s.vertical = QTextCharFormat::AlignSuperScript;
        formatChanged();
        break;
    case RtfAction::Subscript:
        s.vertical = QTextCharFormat::AlignSubScript;
        formatChanged();
        break;
    case RtfAction::NoSuperSub:
        s.vertical = QTextCharFormat::AlignNormal;
        formatChanged();
        break;
    case RtfAction::Pard:
        s.alignment = Qt::AlignLeft;
        s.leftIndent = s.rightIndent = s.firstIndent = s.spaceBefore = s.spaceAfter = 0;
        break;
    case RtfAction::AlignLeft:
        s.alignment = Qt::AlignLeft;
        break;
    case RtfAction::AlignCentre:
        s.alignment = Qt::AlignHCenter;
        break;
    case RtfAction::AlignRight:
        s.alignment = Qt::AlignRight;
        break;
    case RtfAction::AlignJustify:
        s.alignment = Qt::AlignJustify;
        break;
    case RtfAction::LeftIndent:
        s.leftIndent = std::clamp(n, 0, kMaxIndent);
        break;
    case RtfAction::RightIndent:
        s.rightIndent = std::clamp(n, 0, kMaxIndent);
        break;
    case RtfAction::FirstIndent:
        s.firstIndent = std::clamp(n, -kMaxIndent, kMaxIndent);
        break;
    case RtfAction::SpaceBefore:
        s.spaceBefore = std::clamp(n, 0, kMaxIndent);
        break;
    case RtfAction::SpaceAfter:
        s.spaceAfter = std::clamp(n, 0, kMaxIndent);
        break;
    case RtfAction::Paragraph:
        endParagraph();
        break;
    case RtfAction::Character:
        character(row.character);
        break;
    case RtfAction::Unicode:
        unicode(n);
        break;
    case RtfAction::UnicodeSkip:
        s.unicodeSkip = std::clamp(n, 0, kMaxUnicodeSkip);
        break;
    default:
        break;
    }
}

void RtfReader::controlSymbol(char symbol) {
    if (symbol == '*') {
        // An ignorable destination: readers that do not know it skip its group.
        state().destination = Destination::Skip;
        return;
    }
    if (state().destination == Destination::Skip) return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        character(static_cast<char16_t>(symbol));
        break;
    case '~':
        character(0x00A0); // no-break space
        break;
    case '-':
        character(0x00AD); // soft hyphen
        break;
    case '_':
        character(0x2011); // non-breaking hyphen
        break;
    default:
        break; // \| \: and unknown symbols
    }
}

void RtfReader::byte(unsigned char value, bool literal) {
    switch (state().destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        if (literal && value == ';')
            commitFont();
        else if (const char16_t c = windows1252ToUnicode(value); c >= 0x20)
            character(c);
        return;
    case Destination::ColourTable:
        if (literal && value == ';') commitColour();
        return;
    case Destination::Text:
        if (const char16_t c = windows1252ToUnicode(value); c != 0) character(c);
        return;
    }
}

void RtfReader::unicode(int value) {
    m_fallbackLeft = state().unicodeSkip;
    // The parameter is a signed 16-bit number: characters above 32767 come negative. Writers
    // that print it unsigned are understood too; anything else is no character.
    if (value < -32768 || value > 0xFFFF) return;
    if (value < 0) value += 65536;
    character(static_cast<char16_t>(value));
}

void RtfReader::character(char16_t c) {
    switch (state().destination) {
    case Destination::FontTable:
        if (m_tableFontName.size() < kMaxFontNameLength && !isSurrogate(c))
            m_tableFontName.append(QChar(c));
        return;
    case Destination::Text:
        break;
    default:
        return;
    }

    // A surrogate pair comes as two \u words; a half on its own becomes U+FFFD.
    if (m_highSurrogate != 0) {
        const char16_t high = m_highSurrogate;
        m_highSurrogate = 0;
        if (c >= 0xDC00 && c <= 0xDFFF) {
            appendToPage(high);
            appendToPage(c);
            return;
        }
        appendToPage(0xFFFD);
    }
    if (isHighSurrogate(c)) {
        m_highSurrogate = c;
        return;
    }
    if (isSurrogate(c)) c = 0xFFFD;

    if (c == 0x2029) {
        endParagraph();
        return;
    }
    // Control characters and the code points the text engine keeps for itself carry nothing.
    if ((c < 0x20 && c != u'\t') || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c >= 0xFFFE)
        return;
    appendToPage(c);
}

void RtfReader::appendToPage(char16_t c) {
    openPendingBlock();
    if (m_formatDirty) {
        const QTextCharFormat format = charFormat();
        if (format != m_runFormat) {
            flushRun();
            m_runFormat = format;
        }
        m_formatDirty = false;
    }
    m_run.append(QChar(c));
    if (!QChar(c).isSpace()) m_visibleText = true;
}

void RtfReader::openPendingBlock() {
    if (!m_blockPending) return;
    flushRun();
    m_cursor.insertBlock();
    m_blockPending = false;
}

void RtfReader::endParagraph() {
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        appendToPage(0xFFFD);
    }
    openPendingBlock();
    flushRun();
    // Paragraph properties in force at the paragraph mark belong to the paragraph it ends.
    m_cursor.setBlockFormat(blockFormat());
    m_blockPending = true;
}

void RtfReader::flushRun() {
    if (m_run.isEmpty()) return;
    m_cursor.insertText(m_run, m_runFormat);
    m_run.clear();
}

void RtfReader::finish() {
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        appendToPage(0xFFFD);
    }
    flushRun();
    // A paragraph mark at the very end makes no empty paragraph after it.
    if (!m_blockPending) m_cursor.setBlockFormat(blockFormat());
}

void RtfReader::commitFont() {
    const QString name = m_tableFontName.trimmed();
    if (m_tableFont >= 0 && !name.isEmpty() &&
        (m_fonts.size() < kMaxFonts || m_fonts.count(m_tableFont) != 0))
        m_fonts[m_tableFont] = name;
    m_tableFont = -1;
    m_tableFontName.clear();
    formatChanged();
}

void RtfReader::commitColour() {
    if (m_colours.size() < kMaxColours) {
        if (m_colourGiven)
            m_colours.emplace_back(QColor(m_red, m_green, m_blue));
        else
            m_colours.emplace_back(std::nullopt);
    }
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
    formatChanged();
}

QTextCharFormat RtfReader::charFormat() const {
    const GroupState& s = state();
    QTextCharFormat f;
    if (const auto it = m_fonts.find(s.font); it != m_fonts.end()) f.setFontFamilies({it->second});
    f.setFontPointSize(s.fontSize / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.colour >= 0 && static_cast<std::size_t>(s.colour) < m_colours.size() &&
        m_colours[static_cast<std::size_t>(s.colour)])
        f.setForeground(*m_colours[static_cast<std::size_t>(s.colour)]);
    if (s.vertical != QTextCharFormat::AlignNormal) f.setVerticalAlignment(s.vertical);
    return f;
}

QTextBlockFormat RtfReader::blockFormat() const {
    const GroupState& s = state();
    QTextBlockFormat f;
    f.setAlignment(s.alignment);
    f.setLeftMargin(s.leftIndent / kTwipsPerPixel);
    f.setRightMargin(s.rightIndent / kTwipsPerPixel);
    f.setTextIndent(s.firstIndent / kTwipsPerPixel);
    f.setTopMargin(s.spaceBefore / kTwipsPerPixel);
    f.setBottomMargin(s.spaceAfter / kTwipsPerPixel);
    return f;
}

} // namespace

bool readRtf(const QByteArray& data, QTextDocument* document) {
    if (document == nullptr) return false;
    const bool undo = document->isUndoRedoEnabled();
    // Loading is not an edit the user could take back, and a history would double the memory.
    document->setUndoRedoEnabled(false);
    document->clear();
    bool ok = false;
    if (data.size() <= kMaxRtfBytes && data.startsWith("{\\rtf"))
        ok = RtfReader(document).read(data);
    document->setUndoRedoEnabled(undo);
    return ok;
}

bool loadRtfFile(const QString& path, QTextDocument* document) {
    // Only regular files: a directory, a device or a pipe could block or never end.
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxRtfBytes) return false;
    const QByteArray data = file.read(kMaxRtfBytes + 1);
    if (data.size() > kMaxRtfBytes) return false;
    return readRtf(data, document);
}

} // namespace zc
