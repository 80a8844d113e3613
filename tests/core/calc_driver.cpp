// SPDX-License-Identifier: MIT
#include "calc_driver.h"

#include "core/calculator/virtual_keys.h"
#include "core/constants/constants_table.h"
#include "core/text/utf16.h"
#include "core/units/unit_catalogue.h"

#include <functional>
#include <optional>

namespace zc::test {

namespace {

using Action = std::function<void(Calculator&)>;

template <void (Calculator::*H)()> void call(Calculator& c) {
    (c.*H)();
}

struct Control {
    std::string_view name;
    unsigned layers; // where it shows
    Action action;   // empty: the control does nothing
};

// What the window's own keys (those that are no calculator key) make the calculator do.
Action windowKeyAction(std::string_view handler) {
    static const char* const kTvmHandlers[] = {"L5BtnPVClick", "L5BtnFVClick",   "L5BtnPMTClick",
                                               "L5BtnNClick",  "L5BtnI_YRClick", "L5BtnP_YRClick"};
    if (handler == "L4BtnHelpClick") return call<&Calculator::helpKey>;
    if (handler == "LBtnNextLayerClick" || handler == "L3BtnNextLayerClick")
        return call<&Calculator::nextLayer>;
    for (int q = 0; q < 6; ++q)
        if (handler == kTvmHandlers[q])
            return [q](Calculator& c) { c.tvmKey(static_cast<TvmQuantity>(q)); };
    return {};
}

// The window's keys and labels and the calculator call each makes.
const std::vector<Control>& controls() {
    static const std::vector<Control> table = [] {
        std::vector<Control> t;
        for (const KeypadKey& k : kKeypad) {
            const std::string_view name = k.name;
            // Closing needs the window.
            if (name == "LBtnClose") continue;
            unsigned layers = k.layers;
            // The conversion and constants bands carry their own next-layer key.
            if (name == "LBtnNextLayer")
                layers &= ~(band(Layer::Conversion) | band(Layer::Constants));
            if (k.key != CalcKey::None)
                t.push_back({name, layers, [key = k.key](Calculator& c) { c.press(key); }});
            else
                t.push_back({name, layers, k.handler ? windowKeyAction(k.handler) : Action()});
        }
        // The category labels in the order of the unit catalogue.
        static const char* const kCategoryNames[] = {
            "LLabelAngle",  "LLabelTime",  "LLabelData", "LLabelDist",  "LLabelMass",
            "LLabelTemp",   "LLabelArea",  "LLabelVol",  "LLabelSpeed", "LLabelPress",
            "LLabelEnergy", "LLabelPower", "LLabelForce"};
        for (int i = 0; i < 13; ++i)
            t.push_back({kCategoryNames[i], band(Layer::Conversion),
                         [i](Calculator& c) { c.selectCategory(i); }});
        static const char* const kGroupNames[] = {"L4LabelUniversal", "L4LabelElectromagnetic",
                                                  "L4LabelAtomicNuclear", "L4LabelPhysChem"};
        for (int i = 0; i < 4; ++i)
            t.push_back({kGroupNames[i], band(Layer::Constants),
                         [i](Calculator& c) { c.selectConstGroup(i); }});
        return t;
    }();
    return table;
}

bool shownIn(unsigned layers, Layer layer) {
    return (layers & layerBit(layer)) != 0;
}

std::optional<int> parseIndex(const std::string& s) {
    if (s.empty() || s.size() > 6) return std::nullopt;
    int v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The printable characters a US keyboard types: digits, letters and these.
constexpr std::u16string_view kTypeable = u"*()@%^+_~|!#$&<>?:\"{}=,./`\\-;'[] ";

bool typeable(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
           kTypeable.find(c) != std::u16string_view::npos;
}

// What Shift turns a key's character into on a US keyboard.
char16_t shifted(char16_t c) {
    constexpr std::u16string_view kDigits = u")!@#$%^&*(";
    constexpr std::u16string_view kPlain = u"=,./`\\-;'[]";
    constexpr std::u16string_view kShifted = u"+<>?~|_:\"{}";
    if (c >= u'0' && c <= u'9') return kDigits[c - u'0'];
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    const auto i = kPlain.find(c);
    return i == std::u16string_view::npos ? c : kShifted[i];
}

struct NamedKey {
    std::string_view name;
    int key;
};

// The keys the scripts name, with the code the window's key map gives them.
constexpr NamedKey kNamedKeys[] = {
    {"Enter", vk::kReturn},
    {"Esc", vk::kEscape},
    {"Backspace", vk::kBack},
    {"Delete", vk::kDelete},
    {"NumMultiply", vk::kMultiply},
    {"NumAdd", vk::kAdd},
    {"NumSubtract", vk::kSubtract},
    {"NumDecimal", vk::kDecimal},
    {"NumDivide", vk::kDivide},
    {"NumEnter", vk::kReturn},
    {"Home", vk::kHome},
    {"End", vk::kEnd},
};

// Keys that act on the focused control (Space presses it): only the window has those.
constexpr std::string_view kWindowKeys[] = {"Tab", "Space", "Up", "Down", "Left", "Right"};

} // namespace

std::string toUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(out, c);
    }
    return out;
}

CalcDriver::CalcDriver() : m_calc(m_panes) {
    m_calc.start();
}

std::vector<std::string> CalcDriver::runScript(std::string_view script) {
    std::vector<std::string> errors;
    while (!script.empty()) {
        const std::size_t nl = script.find('\n');
        const std::string_view line = script.substr(0, nl);
        if (std::string e = run(line); !e.empty()) errors.push_back(std::move(e));
        if (nl == std::string_view::npos) break;
        script.remove_prefix(nl + 1);
    }
    return errors;
}

std::string CalcDriver::run(std::string_view rawLine) {
    if (m_finished) return {};
    while (!rawLine.empty() && (rawLine.back() == '\n' || rawLine.back() == '\r'))
        rawLine.remove_suffix(1);
    std::string_view line = rawLine;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.empty() || line.front() == '#') return {};
    const std::size_t sp = line.find(' ');
    const std::string command(line.substr(0, sp));
    std::vector<std::string> args;
    if (sp != std::string_view::npos) {
        std::string_view rest = line.substr(sp + 1);
        while (!rest.empty()) {
            const std::size_t e = rest.find(' ');
            if (e != 0) args.emplace_back(rest.substr(0, e));
            if (e == std::string_view::npos) break;
            rest.remove_prefix(e + 1);
        }
    }
    if (command == "click") return click(args);
    if (command == "type") {
        // Everything after the first space is typed, spaces included.
        const std::size_t at = rawLine.find(command);
        const std::size_t space = rawLine.find(' ', at);
        return type(space == std::string_view::npos ? std::u16string()
                                                    : utf16(rawLine.substr(space + 1)));
    }
    if (command == "press") return args.size() == 1 ? press(args.front()) : "press needs one key";
    if (command == "dump") return {};
    return "unknown command: " + command;
}

std::string CalcDriver::click(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2) return "click needs a control name and an optional index";
    const std::string& name = args[0];
    const Layer layer = state().currentLayer;
    std::optional<int> index;
    if (args.size() == 2) {
        index = parseIndex(args[1]);
        if (!index) return "bad index: " + args[1];
    }

    // Radio groups and lists: an item or row by index.
    struct Items {
        std::string_view name;
        unsigned layers;
        int count;
    };
    const Items items[] = {
        {"L1AnglesGroup", band(Layer::Scientific), 3},
        {"L2NumberSysGroup", band(Layer::Programmer), 4},
        {"LListFrom", band(Layer::Conversion), unitCount(state().unitCategory)},
        {"LListTo", band(Layer::Conversion), unitCount(state().unitCategory)},
        {"L4List", band(Layer::Constants), constantCount(state().constGroup)},
    };
    for (const Items& it : items) {
        if (it.name != name) continue;
        if (!shownIn(it.layers, layer)) return "control not visible: " + name;
        if (!index) return "click needs an item of " + name;
        if (*index >= it.count) return "no such item: " + args[1];
        const int i = *index;
        if (name == "L1AnglesGroup") {
            m_calc.setAngleMode(static_cast<AngleMode>(i));
        } else if (name == "L2NumberSysGroup") {
            // The group reports a click only when it changes the selection.
            if (static_cast<NumberSystem>(i) != state().numberSystem)
                m_calc.changeNumberSystem(static_cast<NumberSystem>(i));
        } else if (name == "LListFrom") {
            m_calc.setUnitRows(i, state().unitTo);
        } else if (name == "LListTo") {
            m_calc.setUnitRows(state().unitFrom, i);
        } else {
            m_calc.chooseConstant(i);
        }
        return {};
    }

    for (const Control& c : controls()) {
        if (c.name != name) continue;
        if (index) return "control has no items: " + name;
        if (!shownIn(c.layers, layer)) return "control not visible: " + name;
        if (c.action) c.action(m_calc);
        return {};
    }
    return "unknown control: " + name;
}

std::string CalcDriver::type(std::u16string_view text) {
    for (const char16_t c : text) {
        if (!typeable(c)) return "cannot type: " + toUtf8(std::u16string_view(&c, 1));
        if (c == u' ') return "key needs the window: Space";
        const bool upper = c >= u'A' && c <= u'Z';
        const VirtualKey k = virtualKeyForCharacter(c, upper);
        if (k.key != 0) keyDown(k.key, k.shift, false);
        if (m_finished) break;
    }
    return {};
}

std::string CalcDriver::press(std::string_view specIn) {
    std::string_view spec = specIn;
    bool shift = false;
    bool ctrl = false;
    for (;;) {
        if (spec.starts_with("Shift+") && spec.size() > 6) {
            shift = true;
            spec.remove_prefix(6);
        } else if (spec.starts_with("Ctrl+") && spec.size() > 5) {
            ctrl = true;
            spec.remove_prefix(5);
        } else {
            break;
        }
    }
    for (const std::string_view w : kWindowKeys)
        if (spec == w) return "key needs the window: " + std::string(specIn);
    for (const NamedKey& n : kNamedKeys) {
        if (spec == n.name) {
            keyDown(n.key, shift, ctrl);
            return {};
        }
    }
    if (spec == "Insert") {
        if (shift) return "key needs the window: " + std::string(specIn); // pastes
        keyDown(vk::kInsert, shift, ctrl);
        return {};
    }
    if (spec.size() >= 2 && spec.size() <= 3 && spec.front() == 'F') {
        const std::optional<int> f = parseIndex(std::string(spec.substr(1)));
        if (f && *f >= 1 && *f <= 12) {
            keyDown(vk::functionKey(*f), shift, ctrl);
            return {};
        }
    }
    if (spec.size() == 4 && spec.starts_with("Num") && spec[3] >= '0' && spec[3] <= '9') {
        keyDown(vk::numpadKey(spec[3] - '0'), shift, ctrl);
        return {};
    }
    if (spec.size() != 1) return "unknown key: " + std::string(specIn);
    char16_t c = static_cast<unsigned char>(spec.front());
    if (shift) c = shifted(c);
    if (!typeable(c)) return "unknown key: " + std::string(specIn);
    const bool shiftHeld = shift || (c >= u'A' && c <= u'Z');
    if (ctrl && (c == u'v' || c == u'V')) return "key needs the window: " + std::string(specIn);
    const VirtualKey k = virtualKeyForCharacter(c, shiftHeld);
    if (k.key != 0) keyDown(k.key, k.shift, ctrl);
    return {};
}

void CalcDriver::keyDown(int key, bool shift, bool ctrl) {
    // Ctrl+C copies; Ctrl changes no other key.
    if (ctrl && key == vk::letterKey('C')) return;
    if (key == vk::kEscape) {
        // The placeholder alone means there is nothing to clear: Esc then ends the program.
        if (m_panes.text(Pane::Problem) == u"Problem\n")
            m_finished = true;
        else
            m_calc.press(CalcKey::AllClear);
        return;
    }
    m_calc.keyDown(key, shift);
}

Json CalcDriver::dump() const {
    const CalcState& s = state();
    std::vector<Json> runs;
    for (const TextRun& r : m_panes.runs(Pane::Problem))
        runs.emplace_back(
            std::vector<Json>{toUtf8(r.text), static_cast<double>(r.colour), r.raise});
    std::vector<Json> undo;
    for (const lastOperandLength& r : s.undoStack)
        undo.emplace_back(std::vector<Json>{r.codeChars, r.displayChars});
    return Json(std::map<std::string, Json>{
        {"problem", toUtf8(m_panes.text(Pane::Problem))},
        {"solution", toUtf8(m_panes.text(Pane::Solution))},
        {"history", toUtf8(m_panes.text(Pane::History))},
        {"problemRuns", std::move(runs)},
        {"expr", s.codeText()},
        {"exprLen", s.exprLen},
        {"solved", s.solved},
        {"ansText", s.ansText},
        {"resultText", s.resultText},
        {"undo", std::move(undo)},
        {"layer", static_cast<int>(s.currentLayer)},
        {"helpVisible", s.helpVisible},
        {"hypMode", s.hypMode},
        {"exponentOpen", s.exponentOpen},
        {"textRaise", s.textRaise},
        {"angleMode", static_cast<int>(s.angleMode)},
        {"numberSystem", static_cast<int>(s.numberSystem)},
        {"dmsValue", s.dmsValue},
        {"dmsShown", s.dmsShown},
        {"unitCategory", s.unitCategory},
        {"lastFromUnit", s.lastFromUnit},
        {"constGroup", s.constGroup},
        {"tvmTarget", static_cast<int>(s.tvmTarget)},
        {"tvmPV", s.tvmPV},
        {"tvmFV", s.tvmFV},
        {"tvmPMT", s.tvmPMT},
        {"tvmRate", s.tvmRate},
        {"tvmRateGiven", s.tvmRateGiven},
        {"tvmNGiven", s.tvmNGiven},
        {"tvmPerYear", s.tvmPerYear},
        {"tvmN", s.tvmN},
    });
}

} // namespace zc::test
