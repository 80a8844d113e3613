// SPDX-License-Identifier: MIT
#pragma once
// Runs the scenario scripts of the window's tests on the calculator alone: the same
// commands (click NAME [INDEX], type TEXT, press KEY), the window's control names
// mapped onto the calculator's calls, the keys onto its key table, and its state as
// the fields of the window's dump.

#include "core/calculator/calculator.h"
#include "json_text.h"
#include "recording_panes.h"

#include <string>
#include <string_view>
#include <vector>

namespace zc::test {

class CalcDriver {
public:
    /// A calculator that has written its first texts, as the window's is on construction.
    CalcDriver();

    /// Runs one command line; returns what went wrong (an unknown command, control or key, a
    /// control the window would not show, a key only the window handles: the focus keys and
    /// paste), empty when the command ran.
    std::string run(std::string_view line);
    /// Runs every line of the script; returns the errors.
    std::vector<std::string> runScript(std::string_view script);

    /// True once the program would have ended (Esc with nothing to clear); no command runs then.
    bool finished() const { return m_finished; }

    /// The state under the names and in the form of the window's dump.
    Json dump() const;

    Calculator& calc() { return m_calc; }
    const CalcState& state() const { return m_calc.state(); }
    const RecordingPanes& panes() const { return m_panes; }

    /// A key as the window's key handler receives it: Ctrl+C and Esc are the window's own,
    /// everything else goes to the calculator's key table.
    void keyDown(int key, bool shift, bool ctrl);

private:
    std::string click(const std::vector<std::string>& args);
    std::string type(std::u16string_view text);
    std::string press(std::string_view spec);

    RecordingPanes m_panes;
    Calculator m_calc;
    bool m_finished = false;
};

/// UTF-8 of UTF-16 text.
std::string toUtf8(std::u16string_view text);

} // namespace zc::test
