// SPDX-License-Identifier: MIT
#pragma once
// Three panes that keep what the calculator writes: the text and, per character,
// its colour value and raise. Each operation clips and places its text the way the
// window's rich-text panes do, so their texts and runs are what the window shows.

#include "core/calculator/panes.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zc::test {

/// A stretch of characters with one colour and raise; line breaks join the stretch before them.
struct TextRun {
    std::u16string text;
    unsigned colour = 0;
    int raise = 0;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

class RecordingPanes : public PaneSink {
public:
    void append(Pane pane, std::u16string_view text, int raise) override {
        Page& p = page(pane);
        insert(p, p.text.size(), text, paneColour(pane), raise);
    }

    void insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text) override {
        Page& p = page(pane);
        insert(p, static_cast<std::size_t>(std::max(0, length(p) - fromEnd)), text,
               paneColour(pane), 0);
    }

    void deleteRangeBeforeEnd(Pane pane, int fromEnd, int start, int end) override {
        Page& p = page(pane);
        const int len = length(p);
        const int shift = std::max(0, len - fromEnd);
        const int a = std::clamp(start + shift, 0, len);
        const int b = std::clamp(end + shift, 0, len);
        if (b <= a) return;
        erase(p, a, b);
    }

    void deleteLast(Pane pane, int n) override {
        if (n <= 0) return;
        Page& p = page(pane);
        const int len = length(p);
        erase(p, std::max(0, len - n), len);
    }

    void setText(Pane pane, std::u16string_view text) override {
        Page& p = page(pane);
        p = Page{};
        insert(p, 0, text, paneColour(pane), 0);
    }

    void clear(Pane pane) override { page(pane) = Page{}; }

    void scrollToEnd(Pane pane) override { ++page(pane).scrolls; }

    /// The pane's text; line breaks are "\n".
    const std::u16string& text(Pane pane) const { return page(pane).text; }
    /// How often the pane was asked to scroll to its end.
    int scrolls(Pane pane) const { return page(pane).scrolls; }

    /// The pane's text as runs of one colour and raise. A line break belongs to the run before
    /// it (or opens a run of the last colour when none is open); empty runs are left out.
    std::vector<TextRun> runs(Pane pane) const {
        const Page& p = page(pane);
        std::vector<TextRun> out;
        TextRun current;
        bool open = false;
        const auto flush = [&] {
            if (open && !current.text.empty()) out.push_back(current);
            current.text.clear();
            open = false;
        };
        for (std::size_t i = 0; i < p.text.size(); ++i) {
            if (p.text[i] == u'\n') {
                open = true;
                current.text += u'\n';
                continue;
            }
            if (!open || p.colour[i] != current.colour || p.raise[i] != current.raise) {
                flush();
                current.colour = p.colour[i];
                current.raise = p.raise[i];
                open = true;
            }
            current.text += p.text[i];
        }
        flush();
        return out;
    }

private:
    struct Page {
        std::u16string text;
        std::vector<unsigned> colour;
        std::vector<int> raise;
        int scrolls = 0;
    };

    static int length(const Page& p) { return static_cast<int>(p.text.size()); }

    static void insert(Page& p, std::size_t at, std::u16string_view text, unsigned colour,
                       int raise) {
        if (text.empty()) return;
        at = std::min(at, p.text.size());
        p.text.insert(at, text);
        const auto pos = static_cast<std::ptrdiff_t>(at);
        p.colour.insert(p.colour.begin() + pos, text.size(), colour);
        p.raise.insert(p.raise.begin() + pos, text.size(), raise);
    }

    static void erase(Page& p, int a, int b) {
        p.text.erase(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
        p.colour.erase(p.colour.begin() + a, p.colour.begin() + b);
        p.raise.erase(p.raise.begin() + a, p.raise.begin() + b);
    }

    Page& page(Pane pane) { return m_pages[static_cast<std::size_t>(pane)]; }
    const Page& page(Pane pane) const { return m_pages[static_cast<std::size_t>(pane)]; }

    std::array<Page, 3> m_pages;
};

} // namespace zc::test
