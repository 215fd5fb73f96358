// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/keyboard_navigation.h"

#include <algorithm>
#include <numeric>

namespace z408::nav {

WindowCommand windowCommand(const Chord& c, int profileCount) {
    // Shift+Tab arrives as Backtab; with Ctrl held it is the previous page either way.
    if (c.ctrl && !c.alt && (c.key == Key::Tab || c.key == Key::Backtab))
        return {c.shift || c.key == Key::Backtab ? WindowAction::PreviousPage
                                                 : WindowAction::NextPage};
    if (c.ctrl && !c.alt && !c.shift && c.key == Key::PageDown) return {WindowAction::NextPage};
    if (c.ctrl && !c.alt && !c.shift && c.key == Key::PageUp) return {WindowAction::PreviousPage};
    if (c.alt && !c.ctrl && !c.shift && c.key == Key::Digit && c.digit >= 1 &&
        c.digit <= profileCount)
        return {WindowAction::Profile, c.digit};
    return {};
}

int cyclePage(int current, int count, int step) {
    if (count <= 0) return current;
    const int zeroBased = ((current - 1 + step) % count + count) % count;
    return zeroBased + 1;
}

bool activates(const Chord& c) {
    return (c.key == Key::Space || c.key == Key::Enter) && !c.ctrl && !c.alt;
}

bool isNavigationKey(const Chord& c) {
    switch (c.key) {
        case Key::Tab:
        case Key::Backtab:
        case Key::Left:
        case Key::Right:
        case Key::Up:
        case Key::Down:
        case Key::PageUp:
        case Key::PageDown:
        case Key::Home:
        case Key::End:
        case Key::Space:
        case Key::Enter:
            return true;
        case Key::Digit:
            return c.alt;
        default:
            return false;
    }
}

int rowTarget(int current, int count, int columns, Key key) {
    if (count <= 0 || current < 0 || current >= count) return -1;
    const int line = std::max(1, columns);
    int target = current;
    switch (key) {
        case Key::Left:
            target = current - 1;
            break;
        case Key::Right:
            target = current + 1;
            break;
        case Key::Up:
            target = current - line;
            break;
        case Key::Down:
            target = current + line;
            break;
        case Key::Home:
            return 0;
        case Key::End:
            return count - 1;
        default:
            return -1;
    }
    // Off the row: the focus stays where it is rather than jumping to the far end.
    return target < 0 || target >= count ? current : target;
}

int sliderTarget(int value, int minimum, int maximum, Key key) {
    if (maximum < minimum) return value;
    const int bigStep = std::max(2, (maximum - minimum) / 10);
    // A stored value outside the range is first brought into it, as the thumb shows it.
    const int from = std::clamp(value, minimum, maximum);
    switch (key) {
        case Key::Left:
        case Key::Down:
            return std::max(minimum, from - 1);
        case Key::Right:
        case Key::Up:
            return std::min(maximum, from + 1);
        case Key::PageDown:
            return std::max(minimum, from - bigStep);
        case Key::PageUp:
            return std::min(maximum, from + bigStep);
        case Key::Home:
            return minimum;
        case Key::End:
            return maximum;
        default:
            return value;
    }
}

std::vector<size_t> readingOrder(const std::vector<skin::Rect>& rects) {
    std::vector<size_t> byTop(rects.size());
    std::iota(byTop.begin(), byTop.end(), size_t{0});
    std::stable_sort(byTop.begin(), byTop.end(), [&](size_t a, size_t b) {
        return rects[a].top != rects[b].top ? rects[a].top < rects[b].top
                                            : rects[a].left < rects[b].left;
    });
    std::vector<size_t> out;
    out.reserve(rects.size());
    size_t start = 0;
    while (start < byTop.size()) {
        const skin::Rect& first = rects[byTop[start]];
        const int middle = first.top + first.height() / 2;
        size_t end = start + 1;
        while (end < byTop.size() && rects[byTop[end]].top <= middle) ++end;
        std::stable_sort(byTop.begin() + static_cast<std::ptrdiff_t>(start),
                         byTop.begin() + static_cast<std::ptrdiff_t>(end),
                         [&](size_t a, size_t b) { return rects[a].left < rects[b].left; });
        out.insert(out.end(), byTop.begin() + static_cast<std::ptrdiff_t>(start),
                   byTop.begin() + static_cast<std::ptrdiff_t>(end));
        start = end;
    }
    return out;
}

std::vector<size_t> readingOrder(const std::vector<skin::Rect>& rects,
                                 const std::vector<skin::Rect>& groups) {
    auto contains = [](const skin::Rect& g, const skin::Rect& r) {
        const int x = r.left + r.width() / 2, y = r.top + r.height() / 2;
        return x >= g.left && x < g.right && y >= g.top && y < g.bottom;
    };
    // Each unit: a group with its members, or one control on its own.
    std::vector<skin::Rect> unitRects;
    std::vector<std::vector<size_t>> members;
    std::vector<int> unitOfGroup(groups.size(), -1);
    for (size_t i = 0; i < rects.size(); ++i) {
        size_t g = 0;
        while (g < groups.size() && !contains(groups[g], rects[i])) ++g;
        if (g == groups.size()) {
            unitRects.push_back(rects[i]);
            members.push_back({i});
            continue;
        }
        if (unitOfGroup[g] < 0) {
            unitOfGroup[g] = static_cast<int>(unitRects.size());
            unitRects.push_back(groups[g]);
            members.emplace_back();
        }
        members[static_cast<size_t>(unitOfGroup[g])].push_back(i);
    }
    std::vector<size_t> out;
    out.reserve(rects.size());
    for (size_t u : readingOrder(unitRects)) {
        std::vector<skin::Rect> inside;
        for (size_t i : members[u]) inside.push_back(rects[i]);
        for (size_t k : readingOrder(inside)) out.push_back(members[u][k]);
    }
    return out;
}

}  // namespace z408::nav
