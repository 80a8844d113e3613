// SPDX-License-Identifier: MIT
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/image_key.h"

#include <QCryptographicHash>
#include <QMouseEvent>
#include <QSignalSpy>
#include <map>

namespace zc {
namespace {

using test::centreInWindow;

class ImageKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(120, 80);
        key = new ImageKey(KeyGlyph::Digit7, &panel);
        key->setGeometry(10, 10, 40, 35);
        test::showExposed(panel);
    }

    BackgroundPanel panel;
    ImageKey* key = nullptr;
};

TEST_F(ImageKeyTest, ClickThroughTheWindowEmitsClickedOnceAndStaysOffThePanel) {
    QSignalSpy clicked(key, &ImageKey::clicked);
    test::EmitCounter panelPressed(&panel, &BackgroundPanel::mousePressed);
    QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {}, centreInWindow(key));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(panelPressed.count(), 0) << "a press on a key must not start a window drag";
    EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
}

TEST_F(ImageKeyTest, HoverFollowsThePointerAndMovesStayWithTheKey) {
    QSignalSpy keyMoved(key, &ImageKey::mouseMoved);
    test::EmitCounter panelMoved(&panel, &BackgroundPanel::mouseMoved);
    const QImage plain = key->grab().toImage();

    // Start off the key: Qt drops a move to where the pointer already is.
    QTest::mouseMove(panel.windowHandle(), QPoint(100, 70));
    const int panelMovesBefore = panelMoved.count();
    QTest::mouseMove(panel.windowHandle(), centreInWindow(key));
    EXPECT_TRUE(key->isHovered());
    EXPECT_GE(keyMoved.count(), 1);
    // The panel's moves tell the window the pointer has left the close key.
    EXPECT_EQ(panelMoved.count(), panelMovesBefore);
    EXPECT_NE(key->grab().toImage(), plain) << "a hovered key looks highlighted";

    QTest::mouseMove(panel.windowHandle(), QPoint(100, 60));
    EXPECT_FALSE(key->isHovered());
    EXPECT_GT(panelMoved.count(), panelMovesBefore);
    EXPECT_EQ(key->grab().toImage(), plain);
}

TEST_F(ImageKeyTest, SetGlyphRepaintsTheKey) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    QCoreApplication::processEvents();
    key->installEventFilter(&counter);
    key->setGlyph(KeyGlyph::Digit8);
    EXPECT_EQ(key->glyph(), KeyGlyph::Digit8);
    QTRY_VERIFY_WITH_TIMEOUT(counter.paints > 0, 1000);
    key->removeEventFilter(&counter);
}

// Every glyph draws something, and no two glyphs look alike: a legend that draws nothing would
// leave a bare face that matches another.
TEST(ImageKeyGlyphs, EveryGlyphPaintsItsOwnPicture) {
    std::map<QByteArray, int> seen;
    for (int g = int(KeyGlyph::Digit0); g <= int(KeyGlyph::Periods); ++g) {
        const auto glyph = KeyGlyph(g);
        ImageKey key(glyph);
        EXPECT_EQ(key.size(), keyGlyphNaturalSize(glyph));
        const QImage image = key.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_GT(test::distinctColours(image), 4) << "glyph " << g << " is blank";
        const QByteArray hash = QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
        const auto [it, fresh] = seen.emplace(hash, g);
        EXPECT_TRUE(fresh) << "glyph " << g << " looks like glyph " << it->second;
    }
}

// A Text key shows the word it is given: two words differ, and a key without one shows a bare
// face.
TEST(ImageKeyGlyphs, TextKeysShowTheirOwnWord) {
    auto picture = [](const QString& legend) {
        ImageKey key(KeyGlyph::Text);
        key.setLegend(legend);
        EXPECT_EQ(key.legend(), legend);
        return key.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const QImage abs = picture(QStringLiteral("abs")), cbrt = picture(QStringLiteral("cbrt"));
    const QImage bare = picture(QString());
    EXPECT_NE(abs, cbrt);
    EXPECT_NE(abs, bare);
}

TEST(ImageKeyGlyphs, KeysOfOneSizeDifferInTheirLegendPixels) {
    ImageKey sin(KeyGlyph::Sin), cos(KeyGlyph::Cos);
    sin.resize(41, 32);
    cos.resize(41, 32);
    const QImage a = sin.grab().toImage(), b = cos.grab().toImage();
    ASSERT_EQ(a.size(), b.size());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_GT(differing, 20);
    // The face around the legend is the same; only the middle differs.
    EXPECT_EQ(a.pixel(2, a.height() / 2), b.pixel(2, b.height() / 2));
}

} // namespace
} // namespace zc
