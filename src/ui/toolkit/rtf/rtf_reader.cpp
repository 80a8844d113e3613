// SPDX-License-Identifier: MIT
#include "ui/toolkit/rtf/rtf_reader.h"

#include <QFile>
#include <QTextDocument>

namespace zc {

bool readRtf(const QByteArray& data, QTextDocument* document) {
    if (!data.startsWith("{\\rtf")) return false;
    document->setPlainText(QString::fromLatin1(data));
    return true;
}

bool loadRtfFile(const QString& path, QTextDocument* document) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return readRtf(f.read(4 * 1024 * 1024), document);
}

} // namespace zc
