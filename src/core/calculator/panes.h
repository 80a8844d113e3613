// SPDX-License-Identifier: MIT
#pragma once
// What the calculator asks of the three panes that show it. The calculator never
// reads a pane back: it knows what it wrote.

#include <string_view>

namespace zc {

enum class Pane { History, Problem, Solution };

/// Colour values (red in the low byte) of each pane's own font, which is also the colour
/// of the text the calculator writes into it: maroon, black and green.
inline constexpr unsigned kProblemColour = 128;
inline constexpr unsigned kHistoryColour = 0;
inline constexpr unsigned kSolutionColour = 0x008000;

/// The colour of the pane's font and of what is written into it.
constexpr unsigned paneColour(Pane pane) {
    switch (pane) {
    case Pane::Problem:
        return kProblemColour;
    case Pane::History:
        return kHistoryColour;
    case Pane::Solution:
        break;
    }
    return kSolutionColour;
}

class PaneSink {
public:
    virtual ~PaneSink() = default;
    /// Appends text at the end in the pane's entry colour (maroon in the problem pane,
    /// black in the history), raised by `raise` twips (60 a level).
    virtual void append(Pane pane, std::u16string_view text, int raise) = 0;
    /// Inserts unraised text `fromEnd` characters before the end (at the start when
    /// the pane holds fewer).
    virtual void insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text) = 0;
    /// Deletes [start, end) counted from `fromEnd` characters before the end; the range
    /// is clipped to the pane.
    virtual void deleteRangeBeforeEnd(Pane pane, int fromEnd, int start, int end) = 0;
    /// Deletes the last n characters (nothing for n <= 0, all when the pane holds fewer).
    virtual void deleteLast(Pane pane, int n) = 0;
    /// Replaces the whole text with plain text in the pane's own font and colour.
    virtual void setText(Pane pane, std::u16string_view text) = 0;
    /// Empties the pane.
    virtual void clear(Pane pane) = 0;
    /// Scrolls the pane so that its last line shows.
    virtual void scrollToEnd(Pane pane) = 0;
};

} // namespace zc
