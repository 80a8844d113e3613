// SPDX-License-Identifier: MIT
#pragma once
// A small RTF reader that fills a QTextDocument.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace zc {

/// Reads RTF data into the document (replacing its content). Returns false when
/// the data is not RTF or is malformed beyond use; the document then holds as
/// much of the page as was sound (possibly nothing). Never throws, never hangs.
bool readRtf(const QByteArray& data, QTextDocument* document);

/// Reads an RTF file into the document. False when the file cannot be read or
/// is not usable RTF.
bool loadRtfFile(const QString& path, QTextDocument* document);

} // namespace zc
