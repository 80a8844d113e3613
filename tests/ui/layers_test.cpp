// SPDX-License-Identifier: MIT
// The next-layer keys: the cycle of five layers, what each shows and what survives a switch.

#include "scenario.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/key_glyph.h"
#include "ui/toolkit/rich_pane.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <string>

namespace zc::test {
namespace {

// The controls of the middle band, whose visibility depends on the layer.
const char* const kBandControls[] = {
    "L1SubPanel",     "L1AnglesGroup", "L2SubPanel",     "L2NumberSysGroup", "L3SubPanel",
    "L4SubPanel",     "L5SubPanel",    "LBtnNextLayer",  "LBtnHelp",         "L3BtnHelp",
    "L3BtnNextLayer", "L4BtnHelp",     "L4BtnNextLayer", "LHelpREdit",
};

// Shown in every layer.
const char* const kCommonControls[] = {
    "LMDLabel1", "LBtnClose", "LHistoryREdit", "LOutputREdit", "LResultREdit", "WebSiteAccess",
    "LBtn0",     "LBtn7",     "LBtnDel",       "LBtnAc",       "LBtnDot",      "LBtnEqual",
};

struct LayerView {
    int layer;
    const char* nextKey;        // the next-layer key the user sees
    const char* helpKey;        // the help key the user sees
    std::set<std::string> band; // visible middle-band controls
};

// clang-format off
const LayerView kCycle[] = {
    {0, "LBtnNextLayer", "LBtnHelp", {"L1SubPanel", "L1AnglesGroup", "LBtnNextLayer", "LBtnHelp"}},
    {1, "LBtnNextLayer", "LBtnHelp", {"L2SubPanel", "L2NumberSysGroup", "LBtnNextLayer", "LBtnHelp"}},
    // The sub-panels of layers 2 and 3 lie over the main help key, which stays where it is.
    {2, "L3BtnNextLayer", "L3BtnHelp", {"L3SubPanel", "L3BtnHelp", "L3BtnNextLayer", "LBtnHelp"}},
    {3, "L4BtnNextLayer", "L4BtnHelp", {"L4SubPanel", "L4BtnHelp", "L4BtnNextLayer", "LBtnHelp"}},
    {4, "LBtnNextLayer", "LBtnHelp", {"L5SubPanel", "LBtnNextLayer", "LBtnHelp"}},
    {0, "LBtnNextLayer", "LBtnHelp", {"L1SubPanel", "L1AnglesGroup", "LBtnNextLayer", "LBtnHelp"}},
};
// clang-format on

std::set<std::string> visibleBand(const QJsonObject& state) {
    std::set<std::string> out;
    const QJsonArray visible = state.value(QLatin1String("visible")).toArray();
    for (const char* name : kBandControls)
        if (visible.contains(QLatin1String(name))) out.insert(name);
    return out;
}

// The control a click at the centre of `name` reaches.
QWidget* topmostAt(const TCalcForm& form, const char* name) {
    const QWidget* w = form.control(QLatin1String(name));
    return form.childAt(w->mapTo(&form, w->rect().center()));
}

TEST(Layers, FivePressesCycleThroughEveryLayer) {
    Window w;
    for (std::size_t step = 0; step < std::size(kCycle); ++step) {
        const LayerView& view = kCycle[step];
        SCOPED_TRACE("after " + std::to_string(step) + " presses");
        if (step > 0) {
            const QStringList out =
                w.run((std::string("click ") + kCycle[step - 1].nextKey).c_str());
            EXPECT_TRUE(out.isEmpty()) << out.join(QLatin1Char(' ')).toStdString();
        }
        const QJsonObject state = w.state();
        EXPECT_EQ(state.value(QLatin1String("layer")).toInt(), view.layer);
        EXPECT_EQ(visibleBand(state), view.band);
        const QJsonArray visible = state.value(QLatin1String("visible")).toArray();
        for (const char* name : kCommonControls)
            EXPECT_TRUE(visible.contains(QLatin1String(name))) << name;
        EXPECT_EQ(topmostAt(*w.form, "LBtnNextLayer"),
                  w.form->control(QLatin1String(view.nextKey)));
        EXPECT_EQ(topmostAt(*w.form, "LBtnHelp"), w.form->control(QLatin1String(view.helpKey)));
    }
}

TEST(Layers, MainNextLayerKeyHiddenInConversionAndConstants) {
    Window w;
    w.run("click LBtnNextLayer\nclick LBtnNextLayer");
    EXPECT_FALSE(w.run("click LBtnNextLayer").isEmpty()); // refused: not visible
    EXPECT_EQ(w.form->state().currentLayer, Layer::Conversion);
    w.run("click L3BtnNextLayer");
    EXPECT_FALSE(w.run("click LBtnNextLayer").isEmpty());
    EXPECT_FALSE(w.run("click L3BtnNextLayer").isEmpty());
    EXPECT_EQ(w.form->state().currentLayer, Layer::Constants);
    w.run("click L4BtnNextLayer");
    EXPECT_EQ(w.form->state().currentLayer, Layer::Financial);
}

class LayerSwitch : public ::testing::TestWithParam<Scenario> {};

TEST_P(LayerSwitch, LightsTheSelectedLabel) {
    runScenario(GetParam());
}

// What a switch leaves in the calculator runs on the calculator alone; the window lights the
// label of the category or group it enters with.
// clang-format off
const Scenario kSwitches[] = {
    {"ConversionEntersDistance", TO_LAYER2,
     R"j({"highlighted":["LLabelDist"]})j"},
    {"ConversionAgainAfterMass",
     TO_LAYER2 "click LLabelMass\n" ROUND,
     R"j({"highlighted":["LLabelDist"]})j"},
    {"ConstantsEnterUniversal", TO_LAYER3,
     R"j({"highlighted":["L4LabelUniversal"]})j"},
    {"ConstantsAgainAfterOtherGroup",
     TO_LAYER3 "click L4LabelPhysChem\nclick L4BtnNextLayer\nclick LBtnNextLayer\n" TO_LAYER3,
     R"j({"highlighted":["L4LabelUniversal"]})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Switch, LayerSwitch, ::testing::ValuesIn(kSwitches), scenarioName);

TEST(Layers, ConversionAgainRefillsDistanceUnits) {
    Window w;
    w.run("click LBtnNextLayer\nclick LBtnNextLayer");
    const QJsonValue distance = w.state().value(QLatin1String("lists"));
    w.run("click LLabelMass");
    ASSERT_NE(w.state().value(QLatin1String("lists")), distance);
    w.run("click L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\n"
          "click LBtnNextLayer");
    const QJsonObject state = w.state();
    const QJsonObject lists = state.value(QLatin1String("lists")).toObject();
    const QJsonObject first = distance.toObject();
    EXPECT_EQ(lists.value(QLatin1String("LListFrom")).toObject().value(QLatin1String("items")),
              first.value(QLatin1String("LListFrom")).toObject().value(QLatin1String("items")));
    EXPECT_EQ(lists.value(QLatin1String("LListTo")).toObject().value(QLatin1String("items")),
              first.value(QLatin1String("LListTo")).toObject().value(QLatin1String("items")));
    EXPECT_FALSE(w.form->control(QLatin1String("LLabelMass"))->isHidden());
}

// Five help pages of their own in a working directory of the test's own, long enough to scroll.
class LayersHelp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        static const char* const kFiles[] = {"firstLayerHelp.rtf", "secondLayerHelp.rtf",
                                             "thirdLayerHelp.rtf", "fourthLayerHelp.rtf",
                                             "fifthLayerHelp.rtf"};
        for (int layer = 0; layer < 5; ++layer) {
            QFile f(QDir(m_dir.path()).filePath(QLatin1String(kFiles[layer])));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
            for (int line = 0; line < 60; ++line)
                rtf += QByteArray("Page ") + QByteArray::number(layer) + " line " +
                       QByteArray::number(line) + "\\par ";
            rtf += "}";
            f.write(rtf);
        }
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        m_window = std::make_unique<Window>();
    }
    void TearDown() override {
        m_window.reset();
        QDir::setCurrent(m_previous);
    }

    static std::string firstLine(const QJsonObject& state) {
        return state.value(QLatin1String("help"))
            .toString()
            .section(QLatin1Char('\n'), 0, 0)
            .toStdString();
    }

    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<Window> m_window;
};

TEST_F(LayersHelp, ShownPageFollowsTheLayerFromTheTop) {
    Window& w = *m_window;
    w.run("click LBtnHelp");
    ASSERT_TRUE(w.form->state().helpVisible);
    EXPECT_EQ(firstLine(w.state()), "Page 0 line 0");
    QScrollBar* bar = w.form->LHelpREdit->verticalScrollBar();
    for (int layer = 1; layer <= 5; ++layer) {
        SCOPED_TRACE("layer " + std::to_string(layer % 5));
        bar->setValue(bar->maximum());
        ASSERT_GT(bar->value(), 0);
        w.run(layer == 3   ? "click L3BtnNextLayer"
              : layer == 4 ? "click L4BtnNextLayer"
                           : "click LBtnNextLayer");
        const QJsonObject state = w.state();
        EXPECT_EQ(firstLine(state), "Page " + std::to_string(layer % 5) + " line 0");
        EXPECT_TRUE(state.value(QLatin1String("helpVisible")).toBool());
        EXPECT_TRUE(w.form->LHelpREdit->isVisible());
        EXPECT_EQ(bar->value(), 0);
    }
}

TEST_F(LayersHelp, HiddenPageIsReloadedToo) {
    Window& w = *m_window;
    w.run("click LBtnNextLayer\nclick LBtnNextLayer\nclick L3BtnHelp");
    EXPECT_EQ(firstLine(w.state()), "Page 2 line 0");
}

TEST_F(LayersHelp, GlyphFollowsTheStateAcrossLayers) {
    Window& w = *m_window;
    const auto glyphs = [&] {
        return std::vector<KeyGlyph>{w.form->LBtnHelp->glyph(), w.form->L3BtnHelp->glyph(),
                                     w.form->L4BtnHelp->glyph()};
    };
    const std::vector<KeyGlyph> open(3, KeyGlyph::HelpYellow);
    const std::vector<KeyGlyph> closed(3, KeyGlyph::HelpWhite);
    EXPECT_EQ(glyphs(), closed);

    w.run("click LBtnHelp\nclick LBtnNextLayer\nclick LBtnNextLayer");
    EXPECT_EQ(w.state().value(QLatin1String("helpGlyph")).toInt(), 4);
    EXPECT_EQ(glyphs(), open);

    w.run("type 12\nclick L3BtnHelp"); // closing discards what was typed meanwhile
    expectState(w.state(), R"j({"helpVisible":false,"helpGlyph":3,"problem":"Problem\n"})j");
    EXPECT_EQ(glyphs(), closed);

    w.run("click L3BtnNextLayer\nclick L4BtnHelp");
    EXPECT_EQ(glyphs(), open);
    w.run("click L4BtnNextLayer");
    expectState(w.state(), R"j({"layer":4,"helpVisible":true,"helpGlyph":4})j");
    w.run("click LBtnHelp\nclick LBtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer");
    expectState(w.state(), R"j({"layer":2,"helpVisible":false,"helpGlyph":3})j");
    EXPECT_EQ(glyphs(), closed);
}

} // namespace
} // namespace zc::test
