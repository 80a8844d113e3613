// SPDX-License-Identifier: MIT
// The window's own behaviours: the link line, the close key, the outline, the help pages.

#include "scenario.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/key_glyph.h"
#include "ui/toolkit/link_label.h"
#include "ui/toolkit/rich_pane.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWindow>

namespace zc::test {
namespace {

struct Tick {
    int tick;
    const char* caption;
    quint32 colour;
};

TEST(LinkLine, TenStepColourCycleAndAlternatingSites) {
    Window w;
    const QString zentorix = QStringLiteral("Zentorix - Best Math Tools On Earth!");
    const QString pellinor = QStringLiteral("Pellinor - 160+ Currencies Converter");
    EXPECT_EQ(w.form->WebSiteAccess->text(), zentorix);
    EXPECT_TRUE(w.form->WebSiteAccess->hint().isEmpty());
    const Tick ticks[] = {{1, "P", 0x00FFFF},  {2, "Z", 0x808000}, {3, "P", 0xFF00FF},
                          {4, "Z", 0x0000FF},  {5, "P", 0x00FF00}, {6, "Z", 0x800080},
                          {7, "P", 0x008080},  {8, "Z", 0x000080}, {9, "P", 0xFF0000},
                          {10, "Z", 0xFF0000}, {11, "P", 0x00FFFF}};
    for (const Tick& t : ticks) {
        w.run("tick");
        const QJsonObject link = w.state().value(QStringLiteral("link")).toObject();
        const bool currency = t.caption[0] == 'P';
        EXPECT_EQ(link.value(QStringLiteral("caption")).toString(), currency ? pellinor : zentorix)
            << "tick " << t.tick;
        EXPECT_EQ(link.value(QStringLiteral("hint")).toString(),
                  currency ? QStringLiteral("Click to access to Pellinor web site")
                           : QStringLiteral("Click to access to Zentorix web site"))
            << "tick " << t.tick;
        EXPECT_EQ(link.value(QStringLiteral("colour")).toInteger(), t.colour) << "tick " << t.tick;
    }
}

TEST(LinkLine, ClickOpensTheNamedSiteAndTurnsGreen) {
    Window w;
    w.run("click WebSiteAccess");
    expectState(
        w.state(),
        R"j({"opened":"https://zentorix.example/","link":{"caption":"Zentorix - Best Math Tools On Earth!","hint":"","colour":32768}})j");
    w.run("tick\nclick WebSiteAccess");
    EXPECT_EQ(w.state().value(QStringLiteral("opened")).toString(),
              QStringLiteral("https://pellinor.example/"));
    w.run("tick");
    EXPECT_EQ(w.state()
                  .value(QStringLiteral("link"))
                  .toObject()
                  .value(QStringLiteral("colour"))
                  .toInteger(),
              0x808000);
}

TEST(CloseKey, HoverPictureChangesOncePerEntryAndExit) {
    Window w;
    EXPECT_EQ(w.form->closeGlyphIndex(), 2);
    w.form->LBtnCloseMouseMove();
    EXPECT_EQ(w.form->closeGlyphIndex(), 1);
    EXPECT_TRUE(w.form->closeHot);
    // The problem pane does not restore the picture; the history pane does.
    w.form->LHistoryREditMouseMove();
    EXPECT_EQ(w.form->closeGlyphIndex(), 2);
    w.form->LBtnCloseMouseMove();
    w.form->LHelpREditMouseMove();
    EXPECT_EQ(w.form->closeGlyphIndex(), 2);
    w.form->LBtnCloseMouseMove();
    w.form->Layer1PanelMouseMove();
    EXPECT_FALSE(w.form->closeHot);
}

TEST(Outline, RoundedCornersOf45Pixels) {
    Window w;
    w.form->FormActivate();
    const QRegion mask = w.form->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 253, 606));
    EXPECT_FALSE(mask.contains(QPoint(2, 2)));
    EXPECT_FALSE(mask.contains(QPoint(250, 603)));
    EXPECT_TRUE(mask.contains(QPoint(22, 22)));
    EXPECT_TRUE(mask.contains(QPoint(126, 0)));
}

TEST(Outline, CutBeforeTheFirstShow) {
    TCalcForm form; // never shown, never activated
    const QRegion mask = form.mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 253, 606));
    EXPECT_FALSE(mask.contains(QPoint(2, 2)));
    EXPECT_TRUE(mask.contains(QPoint(126, 303)));
}

// The title line passes the mouse to the background beneath it.
TEST(TitleLine, PressDragsTheWindowAndMovingOntoItClearsTheCloseKey) {
    Window w;
    QWindow* win = w.form->windowHandle();
    const QWidget* title = w.form->control(QStringLiteral("LMDLabel1"));
    ASSERT_NE(title, nullptr);
    const QPoint onTitle = title->mapTo(w.form.get(), title->rect().center());
    const QWidget* close = w.form->control(QStringLiteral("LBtnClose"));
    QTest::mouseMove(win, close->mapTo(w.form.get(), close->rect().center()));
    ASSERT_EQ(w.form->closeGlyphIndex(), 1);
    QTest::mouseMove(win, onTitle);
    EXPECT_EQ(w.form->closeGlyphIndex(), 2);
    EXPECT_FALSE(w.form->closeHot);

    const QPoint before = w.form->pos();
    QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, onTitle);
    QMouseEvent drag(QEvent::MouseMove, QPointF(onTitle + QPoint(30, 20)),
                     QPointF(w.form->mapToGlobal(onTitle) + QPoint(30, 20)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.form->control(QStringLiteral("Layer1Panel")), &drag);
    QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, onTitle);
    EXPECT_EQ(w.form->pos(), before + QPoint(30, 20));
}

struct PlacementCase {
    const char* name;
    QRect available;
    QSize window;
    QPoint expected;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentredButNeverAboveTheArea) {
    const auto& c = GetParam();
    EXPECT_EQ(initialWindowPosition(c.available, c.window), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Placement,
    ::testing::Values(
        PlacementCase{"Centred", QRect(0, 0, 1920, 1080), QSize(253, 606), QPoint(833, 237)},
        PlacementCase{"BelowAPanel", QRect(0, 40, 1920, 1040), QSize(253, 606), QPoint(833, 257)},
        // Scale 2 on 1920 x 1080: 540 logical pixels with a 28-pixel top panel.
        PlacementCase{"TallerThanTheArea", QRect(0, 28, 960, 512), QSize(253, 606),
                      QPoint(353, 28)},
        PlacementCase{"SecondScreen", QRect(1920, 0, 1280, 1024), QSize(253, 606),
                      QPoint(2433, 209)}),
    scenarioName);

TEST(HelpPages, ToggleShowsPageAndClosingClearsTheProblem) {
    Window w;
    w.run("click LBtnHelp\ntype 12");
    expectState(w.state(), R"j({"helpVisible":true,"helpGlyph":4})j");
    EXPECT_TRUE(w.state()
                    .value(QStringLiteral("visible"))
                    .toArray()
                    .contains(QStringLiteral("LHelpREdit")));
    EXPECT_TRUE(
        w.state().value(QStringLiteral("help")).toString().contains(QLatin1String("Scientific")));
    w.run("press Enter\nclick LBtnHelp");
    expectState(
        w.state(),
        R"j({"helpVisible":false,"helpGlyph":3,"problem":"Problem\n","history":"History:\n"})j");
}

TEST(HelpPages, MissingFileSaysSo) {
    QTemporaryDir empty;
    Window w;
    w.form->loadLayerHelp(); // a page found beside the program first
    QTextDocument* pane = w.form->LHelpREdit->document();
    w.form->helpSearchDirs = {empty.path()};
    w.form->loadLayerHelp();
    EXPECT_EQ(w.form->LHelpREdit->toPlainText(), QStringLiteral("Can't find help file."));
    // The pane keeps its own document and its own 16-pixel face.
    EXPECT_EQ(w.form->LHelpREdit->document(), pane);
    EXPECT_EQ(pane->defaultFont().pixelSize(), 16);
}

TEST(HelpPages, MalformedFileSaysSo) {
    QTemporaryDir dir;
    QFile f(QDir(dir.path()).filePath(QStringLiteral("firstLayerHelp.rtf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a rich-text document");
    f.close();
    Window w;
    w.form->helpSearchDirs = {dir.path()};
    w.form->loadLayerHelp();
    EXPECT_EQ(w.form->LHelpREdit->toPlainText(), QStringLiteral("Can't find help file."));
}

TEST(HelpPages, WorkingDirectoryComesFirst) {
    QTemporaryDir dir;
    QFile f(QDir(dir.path()).filePath(QStringLiteral("firstLayerHelp.rtf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1\\ansi Local page\\par}");
    f.close();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    Window w;
    QDir::setCurrent(before);
    EXPECT_EQ(w.form->LHelpREdit->toPlainText(), QStringLiteral("Local page"));
}

TEST(HelpPages, OpensAtTheTopEveryTime) {
    Window w;
    w.run("click LBtnHelp");
    EXPECT_EQ(w.state().value(QStringLiteral("helpScroll")).toInt(), 0) << "first show";
    QScrollBar* bar = w.form->LHelpREdit->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the page should be longer than the pane";
    bar->setValue(bar->maximum());
    w.run("click LBtnHelp\nclick LBtnHelp");
    EXPECT_EQ(w.state().value(QStringLiteral("helpScroll")).toInt(), 0) << "reopened";
}

TEST(HelpPages, ReloadedAtTheTopOnLayerSwitch) {
    Window w;
    w.run("click LBtnHelp");
    w.form->LHelpREdit->verticalScrollBar()->setValue(
        w.form->LHelpREdit->verticalScrollBar()->maximum());
    const QString first = w.form->LHelpREdit->toPlainText();
    w.run("click LBtnNextLayer");
    EXPECT_NE(w.form->LHelpREdit->toPlainText(), first);
    EXPECT_EQ(w.form->LHelpREdit->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(w.form->state().helpVisible);
}

} // namespace
} // namespace zc::test
