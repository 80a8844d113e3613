// SPDX-License-Identifier: MIT
// What the RTF reader makes of sound documents: text, character formats and paragraphs.
#include "ui/toolkit/rtf/rtf_reader.h"

#include <QBrush>
#include <QFile>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

namespace zc {
namespace {

QString escaped(QString text) {
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(QChar::LineSeparator, QStringLiteral("\\n"));
    return text;
}

QString attributes(const QTextCharFormat& f) {
    QStringList a;
    if (f.fontWeight() >= QFont::Bold) a << "b";
    if (f.fontItalic()) a << "i";
    if (f.fontUnderline()) a << "u";
    if (f.fontStrikeOut()) a << "s";
    if (f.hasProperty(QTextFormat::ForegroundBrush)) a << f.foreground().color().name(); // #rrggbb
    if (f.fontPointSize() != 12.0) a << QString::number(f.fontPointSize()) + "pt";
    if (const QStringList families = f.fontFamilies().toStringList(); !families.isEmpty())
        a << families.join('+');
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) a << "sup";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) a << "sub";
    return a.join(',');
}

// One line for a whole document: blocks joined by "|", each led by "c:", "r:" or "j:" unless
// left-aligned, each fragment as "[attributes]text".
std::string dump(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b != doc.end(); b = b.next()) {
        QString line;
        const Qt::Alignment align = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (align == Qt::AlignHCenter) line += "c:";
        if (align == Qt::AlignRight) line += "r:";
        if (align == Qt::AlignJustify) line += "j:";
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            line += '[' + attributes(f.charFormat()) + ']' + escaped(f.text());
        }
        blocks << line;
    }
    return blocks.join('|').toStdString();
}

struct GoodCase {
    const char* name;
    const char* rtf;
    const char* expected; // dump() of the document, UTF-8
};

class RtfReaderGood : public ::testing::TestWithParam<GoodCase> {};

TEST_P(RtfReaderGood, BuildsDocument) {
    const GoodCase& c = GetParam();
    QTextDocument doc;
    ASSERT_TRUE(readRtf(QByteArray(c.rtf), &doc));
    EXPECT_EQ(dump(doc), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderGood,
    ::testing::Values(
        GoodCase{"PlainText", R"({\rtf1 Hello})", "[]Hello"},
        GoodCase{"CharacterRuns", R"({\rtf1 a\b b\i c\b0 d\ul e\ulnone f\i0\strike g\strike0 h})",
                 "[]a[b]b[b,i]c[i]d[i,u]e[i]f[s]g[]h"},
        GoodCase{"ZeroFormsSwitchOff", R"({\rtf1\b\i\ul\strike a\b0\i0\ul0\strike0 b})",
                 "[b,i,u,s]a[]b"},
        GoodCase{"StyledUnderlines", R"({\rtf1\uldb a\ulnone b\ulwave c})", "[u]a[]b[u]c"},
        GoodCase{
            "ColourTable",
            R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue128;}a\cf1 b\cf2 c\cf0 d})",
            "[]a[#ff0000]b[#000080]c[]d"},
        GoodCase{"ColourIndexOutsideTable", R"({\rtf1{\colortbl;\red255\green0\blue0;}\cf7 a})",
                 "[]a"},
        GoodCase{"FirstColourEntryGiven", R"({\rtf1{\colortbl\red0\green128\blue0;}\cf0 a})",
                 "[#008000]a"},
        GoodCase{
            "FontTableAndSize",
            R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}}a\f1 b\fs32 c})",
            "[Arial]a[Courier New]b[16pt,Courier New]c"},
        GoodCase{"FontTableWithoutEntryGroups", R"({\rtf1{\fonttbl\f0 Arial;\f1 Times;}\f1 x})",
                 "[Times]x"},
        GoodCase{"FontNameInnerDestinationSkipped",
                 R"({\rtf1{\fonttbl{\f0{\*\panose 020b0604}Arial{\*\falt Helvetica};}}x})",
                 "[Arial]x"},
        GoodCase{"UnknownFontNumber", R"({\rtf1{\fonttbl{\f0 Arial;}}\f5 x})", "[]x"},
        GoodCase{"FontSizeClamped", R"({\rtf1\fs99999999999999999999 a\fs0 b})", "[300pt]a[1pt]b"},
        GoodCase{"PlainResetsCharacterFormat",
                 R"({\rtf1{\colortbl;\red255\green0\blue0;}\b\i\cf1\fs40 a\plain b})",
                 "[b,i,#ff0000,20pt]a[]b"},
        GoodCase{"NestedGroupsRestore", R"({\rtf1 a{\b b{\i\fs30 c}d}e})",
                 "[]a[b]b[b,i,15pt]c[b]d[]e"},
        GoodCase{"ParagraphsAndAlignment", R"({\rtf1\qc a\par\qr b\par\pard c\par\qj d})",
                 "c:[]a|r:[]b|[]c|j:[]d"},
        GoodCase{"AlignmentIsTakenAtParagraphMark", R"({\rtf1{\qc a\par}b\par})", "c:[]a|[]b"},
        GoodCase{"EmptyParagraphsKept", R"({\rtf1 a\par\par b\par})", "[]a||[]b"},
        GoodCase{"BackslashLineBreakIsParagraph", "{\\rtf1 a\\\nb\\\r\nc}", "[]a|[]b|[]c"},
        GoodCase{"SourceLineBreaksIgnored", "{\\rtf1 a\r\nb\nc}", "[]abc"},
        GoodCase{"LineAndTab", R"({\rtf1 a\line b\tab c})", "[]a\\nb\\tc"},
        GoodCase{"Windows1252Escapes", R"({\rtf1 caf\'e9 \'80 \'93q\'94\'85})", "[]café € “q”…"},
        GoodCase{"RawHighBytesAreWindows1252", "{\\rtf1 caf\xe9 \x80}", "[]café €"},
        GoodCase{"UnicodeWithFallback", R"({\rtf1 \u8364? x})", "[]€ x"},
        GoodCase{"UnicodeNegativeParameter", R"({\rtf1 \u-32768?})", "[]耀"},
        GoodCase{"UnicodeSurrogatePair", R"({\rtf1 \u-10179?\u-8704?})", "[]😀"},
        GoodCase{"UnicodeLoneSurrogate", R"({\rtf1 \u-10179?x})", "[]\xEF\xBF\xBDx"},
        GoodCase{"UnicodeSkipCount", R"({\rtf1\uc2 \u233 xyz\uc0\u233 x})", "[]ézéx"},
        GoodCase{"UnicodeFallbackHexEscape", R"({\rtf1\uc1\u233\'e9 z})", "[]é z"},
        GoodCase{"UnicodeSkipCountScopedToGroup", R"({\rtf1{\uc2\u233 ab}\u233 cd})", "[]ééd"},
        GoodCase{"UnicodeFallbackEndsAtBrace", R"({\rtf1\uc3\u233 a{\b b}})", "[]é[b]b"},
        GoodCase{"NamedCharacters",
                 R"({\rtf1 a\emdash b\endash c\bullet\lquote d\rquote\ldblquote e\rdblquote})",
                 "[]a—b–c•‘d’“e”"},
        GoodCase{"ControlSymbols", R"({\rtf1 a\\b\{c\}d\~e\-f\_g\|h})",
                 "[]a\\b{c}d\u00A0e\u00ADf\u2011gh"},
        GoodCase{"SuperAndSubscript", R"({\rtf1 x\super 2\nosupersub y\sub i})",
                 "[]x[sup]2[]y[sub]i"},
        GoodCase{"IgnorableDestinationSkipped", R"({\rtf1 a{\*\unknowndest hidden {\b x}}b})",
                 "[]ab"},
        GoodCase{"PictureSkipped", R"({\rtf1 a{\pict\pngblip\picw10 89504e47{\b x}}b})", "[]ab"},
        GoodCase{"BinaryDataSkipped", "{\\rtf1 a{\\pict\\bin4 }}{x}b}", "[]ab"},
        GoodCase{
            "TextlessDestinationsSkipped",
            R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\header H}{\footer F}{\*\generator G;}Body})",
            "[]Body"},
        GoodCase{"FieldResultShown", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})",
                 "[]link"},
        GoodCase{"UnknownWordsIgnored", R"({\rtf1\foo\bar123 a\zzz-5 b\q})", "[]ab"},
        GoodCase{"TextAfterOuterGroupIgnored", R"({\rtf1 a}b)", "[]a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReader, Windows1252HighControlRange) {
    QByteArray rtf = "{\\rtf1 ";
    for (int b = 0x80; b <= 0x9F; ++b)
        rtf += "\\'" + QByteArray::number(b, 16);
    rtf += '}';
    QTextDocument doc;
    ASSERT_TRUE(readRtf(rtf, &doc));
    // 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character and give nothing.
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"));
}

TEST(RtfReader, ParagraphIndentsAndSpacing) {
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1\li720\ri360\fi-360\sb120\sa240 a\par\pard b})", &doc));
    const QTextBlockFormat first = doc.begin().blockFormat();
    EXPECT_DOUBLE_EQ(first.leftMargin(), 48.0); // 720 twips = half an inch = 48 px
    EXPECT_DOUBLE_EQ(first.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(first.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(first.topMargin(), 8.0);
    EXPECT_DOUBLE_EQ(first.bottomMargin(), 16.0);
    const QTextBlockFormat second = doc.begin().next().blockFormat();
    EXPECT_DOUBLE_EQ(second.leftMargin(), 0.0);
    EXPECT_DOUBLE_EQ(second.bottomMargin(), 0.0);
}

TEST(RtfReader, ReplacesContentAndKeepsUndoSetting) {
    QTextDocument doc;
    doc.setPlainText("old text\nmore");
    ASSERT_TRUE(doc.isUndoRedoEnabled());
    ASSERT_TRUE(readRtf(R"({\rtf1 new})", &doc));
    EXPECT_EQ(doc.toPlainText(), "new");
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    EXPECT_FALSE(doc.isUndoAvailable());
}

struct FixtureCase {
    const char* name;
    const char* file;
    const char* expected;
};

class RtfReaderFixture : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(RtfReaderFixture, LoadsFile) {
    const FixtureCase& c = GetParam();
    QTextDocument doc;
    ASSERT_TRUE(loadRtfFile(QStringLiteral(ZC_TEST_FIXTURES "/rtf/") + c.file, &doc));
    EXPECT_EQ(dump(doc), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RtfReaderFixture,
    ::testing::Values(
        // A word processor's output: tables, style sheet, document information, a generator.
        FixtureCase{"WordProcessorOutput", "formatting.rtf",
                    "c:[b,#004dbb,16pt,Arial]Title"
                    "|[11pt,Arial]Normal [i,11pt,Arial]italic[11pt,Arial] and "
                    "[u,11pt,Arial]underlined[11pt,Arial] and [#ff0000,11pt,Arial]red"
                    "[11pt,Arial]."
                    "|[11pt,Times New Roman]Café € 5–6 €"},
        // Hex pictures, alternative pictures, an embedded object and raw binary picture data.
        FixtureCase{"Pictures", "picture.rtf", "[Arial]before|[Arial]after|[Arial]end"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReader, WordProcessorSpacingAfterParagraph) {
    QTextDocument doc;
    ASSERT_TRUE(loadRtfFile(QStringLiteral(ZC_TEST_FIXTURES "/rtf/formatting.rtf"), &doc));
    EXPECT_NEAR(doc.begin().blockFormat().bottomMargin(), 200 / 15.0, 1e-9);
}

class HelpPage : public ::testing::TestWithParam<const char*> {};

QString helpDir() {
    return QStringLiteral(ZC_TEST_FIXTURES "/../../help/");
}

TEST_P(HelpPage, ReadsAsRichText) {
    const QString path = helpDir() + GetParam();
    QTextDocument doc;
    ASSERT_TRUE(loadRtfFile(path, &doc)) << path.toStdString();
    const QString text = doc.toPlainText();
    EXPECT_GT(text.size(), 400) << text.toStdString();
    EXPECT_GE(doc.blockCount(), 8);
    // Every page opens with a bold, coloured title and tells how to leave it and move on.
    const QTextCharFormat title = doc.begin().begin().fragment().charFormat();
    EXPECT_GE(title.fontWeight(), QFont::Bold);
    EXPECT_TRUE(title.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_TRUE(text.contains("Function")) << "next-layer key";
    EXPECT_TRUE(text.contains("help key")) << "help key";
}

TEST_P(HelpPage, IsPlainAsciiRtf) {
    QFile file(helpDir() + GetParam());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    ASSERT_TRUE(data.startsWith("{\\rtf1\\ansi"));
    for (qsizetype i = 0; i < data.size(); ++i)
        ASSERT_LT(static_cast<unsigned char>(data[i]), 0x80) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPage,
                         ::testing::Values("firstLayerHelp.rtf", "secondLayerHelp.rtf",
                                           "thirdLayerHelp.rtf", "fourthLayerHelp.rtf",
                                           "fifthLayerHelp.rtf"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
} // namespace zc
