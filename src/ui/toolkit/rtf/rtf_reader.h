// SPDX-License-Identifier: MIT
#pragma once
// A small RTF reader that fills a QTextDocument.
//
// It understands what help pages and simple word-processor files use: groups, the font and
// colour tables, bold, italic, underline, strike-out, super- and subscript, font size, colour,
// paragraph alignment, indents and spacing, paragraph and line breaks, tabs, \'hh escapes in
// Windows-1252, \uN with its \ucN fallback, and the usual control symbols. Destinations that
// carry no page text (the tables, the style sheet, document information, pictures, objects,
// headers and footers, fields' instructions, and every \* destination) are skipped whole.
// Unknown control words are ignored. Other code pages are read as Windows-1252.
//
// When reading succeeds and when it fails:
// - false, with the document left empty: the data does not start with "{\rtf", or it is larger
//   than kMaxRtfBytes;
// - otherwise the data is read up to the end of its outermost group (anything after that is
//   ignored). Two kinds of damage stop the reading where they are found: the data ends before
//   the outermost group is closed, or groups nest deeper than kMaxRtfGroupDepth. The document
//   keeps everything read up to that point;
// - true when there was no damage, even for an empty page, and for damaged data from which some
//   visible (non-blank) text was recovered; false for damaged data that gave no visible text.
// Things the reader does not understand (unknown words, stray bytes, a bad \' escape, a \u
// outside 16 bits) are passed over and are not damage. Numbers are clamped to the range of
// int, and values to sensible ranges (font sizes to 1-300 pt). Work is bounded by the size of
// the data: each byte is looked at a fixed number of times, and the document never holds more
// characters than the data has bytes.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace zc {

/// Larger data is refused without being read.
inline constexpr qsizetype kMaxRtfBytes = 4 * 1024 * 1024;
/// Groups nested deeper than this are damage.
inline constexpr int kMaxRtfGroupDepth = 256;

/// Reads RTF data into the document, replacing its content (see above for the result). The
/// document's undo history is dropped. Never throws.
bool readRtf(const QByteArray& data, QTextDocument* document);

/// Reads an RTF file into the document. False when the path is not a regular file, cannot be
/// read or is larger than kMaxRtfBytes, and when readRtf gives false.
bool loadRtfFile(const QString& path, QTextDocument* document);

} // namespace zc
