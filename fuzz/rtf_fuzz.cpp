// SPDX-License-Identifier: MIT
// The RTF reader on whole files: it never throws and never holds more
// characters than its input has bytes.

#include "fuzz_check.h"
#include "ui/toolkit/rtf/rtf_reader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Text layout needs an application object; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run and never destroyed: tearing it down from an exit
    // handler, after Qt's own globals are gone, crashes.
    static QGuiApplication* app = nullptr;
    if (!app) app = new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    try {
        zc::readRtf(bytes, &doc);
    } catch (...) {
        ZC_FUZZ_CHECK(!"readRtf threw");
    }
    // An empty document holds one character: its last paragraph's end.
    ZC_FUZZ_CHECK(doc.characterCount() <= bytes.size() + 1);
    return 0;
}
