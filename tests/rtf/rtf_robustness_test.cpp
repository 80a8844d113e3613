// SPDX-License-Identifier: MIT
// The RTF reader on damaged, hostile and missing input: it must finish, stay within bounds and
// answer as documented.
#include "ui/toolkit/rtf/rtf_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace zc {
namespace {

QByteArray repeat(const char* piece, int times) {
    return QByteArray(piece).repeated(times);
}

struct DamageCase {
    const char* name;
    QByteArray data;
    bool result;
    const char* text; // the document's plain text afterwards
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfReaderDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(RtfReaderDamage, AnswersAndKeepsWhatIsSound) {
    const DamageCase& c = GetParam();
    QTextDocument doc;
    doc.setPlainText("previous page");
    EXPECT_EQ(readRtf(c.data, &doc), c.result);
    EXPECT_EQ(doc.toPlainText().toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderDamage,
    ::testing::Values(
        DamageCase{"Empty", "", false, ""}, DamageCase{"NotRtf", "Hello world", false, ""},
        DamageCase{"HeaderWithoutBrace", "\\rtf1 x}", false, ""},
        DamageCase{"HeaderOnly", "{\\rtf", false, ""},
        DamageCase{"EmptyDocument", "{\\rtf1}", true, ""},
        DamageCase{"OnlyGroups", "{\\rtf1 {{{}}}}", true, ""},
        DamageCase{"TruncatedAfterText", "{\\rtf1 Hello", true, "Hello"},
        DamageCase{"TruncatedInControlWord", "{\\rtf1 Hello\\pa", true, "Hello"},
        DamageCase{"TruncatedBeforeAnyText", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Ari", false, ""},
        DamageCase{"TruncatedOnlyBlanks", "{\\rtf1    \\tab ", false, "   \t"},
        DamageCase{"TruncatedAfterBackslash", "{\\rtf1 ab\\", true, "ab"},
        DamageCase{"TruncatedHexEscape", "{\\rtf1 caf\\'e", true, "caf"},
        DamageCase{"TruncatedAfterQuote", "{\\rtf1 caf\\'", true, "caf"},
        DamageCase{"BadHexEscape", "{\\rtf1 caf\\'zz}", true, "cafzz"},
        DamageCase{"RunOfBadEscapes", "{\\rtf1 a" + repeat("\\'", 50000) + "b}", true, "ab"},
        DamageCase{"TruncatedUnicodeWord", "{\\rtf1 x\\u", true, "x"},
        DamageCase{"TruncatedUnicodeSign", "{\\rtf1 x\\u-", true, "x"},
        DamageCase{"TruncatedUnicodeFallback", "{\\rtf1 x\\u233", true, "x\u00e9"},
        DamageCase{"UnicodeOutOfRange", "{\\rtf1 \\u70000?a\\u-40000?b}", true, "ab"},
        DamageCase{"ExtraClosingBraces", "{\\rtf1 a}}}}b", true, "a"},
        DamageCase{"MissingClosingBraces", "{\\rtf1 {\\b a", true, "a"},
        DamageCase{"DeepNesting",
                   "{\\rtf1 " + repeat("{", 100000) + "x" + repeat("}", 100000) + "}", false, ""},
        DamageCase{"DeepNestingAfterText", "{\\rtf1 ok" + repeat("{", 100000), true, "ok"},
        // The outermost group counts: 255 more levels fit, one more is too deep.
        DamageCase{"NestingAtLimit", "{\\rtf1 " + repeat("{", 255) + "x" + repeat("}", 256), true,
                   "x"},
        DamageCase{"NestingOverLimit", "{\\rtf1 " + repeat("{", 256) + "x" + repeat("}", 257),
                   false, ""},
        DamageCase{"HugeNumbers",
                   "{\\rtf1\\cf-99999999999999999999 a\\uc99999999999999999999 "
                   "\\u99999999999999999999 bcd}",
                   true, "a"},
        DamageCase{"ManyDigits", "{\\rtf1\\b" + repeat("0", 100000) + " x}", true, "x"},
        DamageCase{"OverlongControlWord", "{\\rtf1 \\" + repeat("b", 100000) + " x}", true, "x"},
        DamageCase{"BinaryPastTheEnd", "{\\rtf1 a\\bin999999999 bcd}", true, "a"},
        DamageCase{"BinaryHugeParameter", "{\\rtf1 a\\bin99999999999999999999 bcd}", true, "a"},
        DamageCase{"BinaryNegative", "{\\rtf1 a\\bin-5 b}", true, "ab"},
        DamageCase{"BinaryHidesBraces", "{\\rtf1 a\\bin3 {{{b}", true, "ab"},
        DamageCase{"NulBytes", QByteArray("{\\rtf1 a\0b\0}", 12), true, "ab"},
        DamageCase{"HugeColourTable", "{\\rtf1{\\colortbl" + repeat(";\\red1", 100000) + "}x}",
                   true, "x"},
        DamageCase{"HugeFontTable",
                   "{\\rtf1{\\fonttbl" + repeat("{\\f7 A very long font name indeed;}", 20000) +
                       "}x}",
                   true, "x"},
        DamageCase{"SkippedDestinationNeverClosed",
                   "{\\rtf1 a{\\*\\unknown " + repeat("text ", 1000), true, "a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReaderLimits, RefusesDataOverSizeLimit) {
    QByteArray data = "{\\rtf1 ";
    data += QByteArray(kMaxRtfBytes, 'a');
    QTextDocument doc;
    EXPECT_FALSE(readRtf(data, &doc));
    EXPECT_TRUE(doc.isEmpty());
}

TEST(RtfReaderLimits, ReadsDataAtSizeLimit) {
    QByteArray data = "{\\rtf1 ";
    data += QByteArray(kMaxRtfBytes - data.size() - 1, 'a');
    data += '}';
    ASSERT_EQ(data.size(), kMaxRtfBytes);
    QTextDocument doc;
    EXPECT_TRUE(readRtf(data, &doc));
    EXPECT_EQ(doc.characterCount(), kMaxRtfBytes - 8 + 1);
}

TEST(RtfReaderLimits, NullDocument) {
    EXPECT_FALSE(readRtf("{\\rtf1 a}", nullptr));
}

// A small deterministic fuzzer: the fixtures and help pages, damaged in a few places each time.
// Whatever comes out, the reader must return, and the document can never hold more characters
// than the data had bytes.
class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    QByteArray mutate(QByteArray data) {
        const int edits = pick(1, 4);
        for (int e = 0; e < edits && !data.isEmpty(); ++e) {
            // Mostly leave the header alone, so that the body gets read.
            const qsizetype from = data.size() > 8 && pick(0, 9) != 0 ? 5 : 0;
            const qsizetype at = pick(from, data.size() - 1);
            switch (pick(0, 5)) {
            case 0:
                data[at] = static_cast<char>(pick(0, 255));
                break;
            case 1: {
                static constexpr char kSpecial[] = "{}\\'*;-0123456789 \n";
                data.insert(at, kSpecial[pick(0, sizeof kSpecial - 2)]);
                break;
            }
            case 2:
                data.remove(at, pick(1, 64));
                break;
            case 3:
                data.truncate(at);
                break;
            case 4:
                data.insert(at, data.mid(pick(0, data.size() - 1), pick(1, 256)));
                break;
            default:
                data.insert(at, pick(0, 1) ? "\\bin" : "\\u-");
                break;
            }
        }
        return data;
    }

    QByteArray noise(qsizetype size) {
        QByteArray data = "{\\rtf1 ";
        while (data.size() < size)
            data += static_cast<char>(pick(0, 255));
        return data;
    }

private:
    qsizetype pick(qsizetype low, qsizetype high) {
        return std::uniform_int_distribution<qsizetype>(low, high)(m_random);
    }

    std::mt19937 m_random;
};

QList<QByteArray> fuzzSeeds() {
    QList<QByteArray> seeds;
    const QString dirs[] = {QStringLiteral(ZC_TEST_FIXTURES "/rtf"),
                            QStringLiteral(ZC_TEST_FIXTURES "/../../help")};
    for (const QString& dir : dirs) {
        for (const QString& name : QDir(dir).entryList({"*.rtf"}, QDir::Files, QDir::Name)) {
            QFile file(dir + '/' + name);
            if (file.open(QIODevice::ReadOnly)) seeds << file.readAll();
        }
    }
    return seeds;
}

void expectBounded(const QByteArray& data) {
    QTextDocument doc;
    readRtf(data, &doc);
    EXPECT_LE(doc.characterCount(), data.size() + 1);
}

TEST(RtfReaderFuzz, MutatedDocumentsFinish) {
    const QList<QByteArray> seeds = fuzzSeeds();
    ASSERT_GE(seeds.size(), 7);
    Mutator mutator(20240601);
    for (const QByteArray& seed : seeds) {
        for (int round = 0; round < 300; ++round) {
            const QByteArray data = mutator.mutate(seed);
            SCOPED_TRACE(data.toHex().left(200).toStdString());
            expectBounded(data);
        }
    }
}

TEST(RtfReaderFuzz, RandomBytesFinish) {
    Mutator mutator(7);
    for (int round = 0; round < 200; ++round)
        expectBounded(mutator.noise(1 + round * 20));
}

TEST(RtfFile, MissingFile) {
    QTextDocument doc;
    EXPECT_FALSE(loadRtfFile(QStringLiteral(ZC_TEST_FIXTURES "/rtf/no-such-file.rtf"), &doc));
    EXPECT_FALSE(loadRtfFile(QString(), &doc));
}

TEST(RtfFile, DirectoryIsNoFile) {
    QTextDocument doc;
    EXPECT_FALSE(loadRtfFile(QStringLiteral(ZC_TEST_FIXTURES "/rtf"), &doc));
}

TEST(RtfFile, FileOverSizeLimit) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("big.rtf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 ");
    file.write(QByteArray(kMaxRtfBytes, 'a'));
    file.write("}");
    file.close();
    QTextDocument doc;
    EXPECT_FALSE(loadRtfFile(file.fileName(), &doc));
}

TEST(RtfFile, UnreadableFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("locked.rtf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 a}");
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::Permissions()));
    QFile probe(file.fileName());
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights to read anything";
    QTextDocument doc;
    EXPECT_FALSE(loadRtfFile(file.fileName(), &doc));
}

} // namespace
} // namespace zc
