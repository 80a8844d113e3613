// SPDX-License-Identifier: MIT
// The help pages: one RTF document per layer, shown over the working panes.

#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/shell/layer_table.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/key_glyph.h"
#include "ui/toolkit/rich_pane.h"
#include "ui/toolkit/rtf/rtf_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace zc {

namespace {

#ifndef ZC_HELP_FROM_BIN
#define ZC_HELP_FROM_BIN "../share/zentorix-calculator/help"
#endif

/// The working directory first, then the installed data folder found from the
/// executable's own folder, then beside the executable (the build tree). No
/// absolute folder is compiled in, so an installed tree can be moved.
QStringList helpCandidates(const QString& file) {
    QStringList out{QDir::current().filePath(file)};
    if (QCoreApplication::instance() != nullptr) {
        const QDir bin(QCoreApplication::applicationDirPath());
        out << QDir::cleanPath(
            bin.filePath(QStringLiteral(ZC_HELP_FROM_BIN) + QLatin1Char('/') + file));
        out << bin.filePath(file);
    }
    return out;
}

} // namespace

void TCalcForm::loadLayerHelp() {
    const QString file = QString::fromLatin1(layerRow(state().currentLayer).helpFile);
    bool loaded = false;
    QStringList candidates;
    for (const QString& dir : helpSearchDirs)
        candidates << QDir(dir).filePath(file);
    if (helpSearchDirs.isEmpty()) candidates = helpCandidates(file);
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) continue;
        QTextDocument doc;
        if (loadRtfFile(path, &doc)) {
            // The page goes into the pane's own document, which keeps the pane's font.
            QTextDocument* target = LHelpREdit->document();
            target->clear();
            QTextCursor(target).insertFragment(QTextDocumentFragment(&doc));
            loaded = true;
        }
        break;
    }
    if (!loaded) setPaneText(LHelpREdit, QStringLiteral("Can't find help file."));
    scrollHelpToTop();
}

void TCalcForm::scrollHelpToTop() {
    // The cursor goes too: left at the end of the inserted page, it would pull
    // the view back down when the pane is next shown and laid out.
    QTextCursor start(LHelpREdit->document());
    start.movePosition(QTextCursor::Start);
    LHelpREdit->setTextCursor(start);
    LHelpREdit->verticalScrollBar()->setValue(0);
}

void TCalcForm::setHelpGlyphs(bool open) {
    const KeyGlyph g = open ? KeyGlyph::HelpYellow : KeyGlyph::HelpWhite;
    LBtnHelp->setGlyph(g);
    L3BtnHelp->setGlyph(g);
    L4BtnHelp->setGlyph(g);
}

void TCalcForm::L4BtnHelpClick() {
    m_calc->helpKey();
    if (!state().helpVisible) {
        LHelpREdit->hide();
        setHelpGlyphs(false);
    } else {
        LHelpREdit->show();
        LHelpREdit->raise();
        // A page always opens at its first line, wherever it was left.
        scrollHelpToTop();
        setHelpGlyphs(true);
    }
}

} // namespace zc
