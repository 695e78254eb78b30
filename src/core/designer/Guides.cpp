#include "core/designer/Guides.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace roamplot {

namespace {
// Left (top), centre and right (bottom) of a span.
std::array<int, 3> Features(int start, int length) {
    return {start, start + length / 2, start + length};
}

void AddSpan(std::vector<int>& lines, int start, int length) {
    for (int at : Features(start, length)) lines.push_back(at);
}

// The shift that brings the nearest of the values onto a line, within reach.
std::optional<int> NearestShift(const std::vector<int>& values, const std::vector<int>& lines) {
    std::optional<int> best;
    for (int value : values)
        for (int line : lines) {
            const int shift = line - value;
            if (std::abs(shift) <= GuideReach && (!best || std::abs(shift) < std::abs(*best)))
                best = shift;
        }
    return best;
}

void AddTouching(std::vector<Guide>& guides, bool vertical, int start, int length,
                 const std::vector<int>& lines) {
    for (int at : Features(start, length)) {
        const Guide guide{vertical, at};
        if (std::find(lines.begin(), lines.end(), at) != lines.end() &&
            std::find(guides.begin(), guides.end(), guide) == guides.end())
            guides.push_back(guide);
    }
}

// One edge of a resize: onto the nearest line within reach, the opposite edge kept.
int SnapEdge(int edge, const std::vector<int>& lines) {
    return edge + NearestShift({edge}, lines).value_or(0);
}
} // namespace

GuideLines GuideLinesOf(const std::vector<BoxRect>& others, ScreenSize area) {
    GuideLines lines;
    AddSpan(lines.X, 0, area.Width);
    AddSpan(lines.Y, 0, area.Height);
    for (const BoxRect& box : others) {
        AddSpan(lines.X, box.Left, box.Width);
        AddSpan(lines.Y, box.Top, box.Height);
    }
    return lines;
}

std::vector<Guide> GuidesTouching(BoxRect box, const GuideLines& lines) {
    std::vector<Guide> guides;
    AddTouching(guides, true, box.Left, box.Width, lines.X);
    AddTouching(guides, false, box.Top, box.Height, lines.Y);
    return guides;
}

GuidedRect GuideMove(BoxRect box, const GuideLines& lines) {
    const std::array<int, 3> xs = Features(box.Left, box.Width);
    const std::array<int, 3> ys = Features(box.Top, box.Height);
    box.Left += NearestShift({xs.begin(), xs.end()}, lines.X).value_or(0);
    box.Top += NearestShift({ys.begin(), ys.end()}, lines.Y).value_or(0);
    return {box, GuidesTouching(box, lines)};
}

GuidedRect GuideResize(BoxRect saved, BoxRect b, const GuideLines& lines) {
    int left = b.Left, top = b.Top, right = b.Left + b.Width, bottom = b.Top + b.Height;
    if (left != saved.Left) left = SnapEdge(left, lines.X);
    if (right != saved.Left + saved.Width) right = SnapEdge(right, lines.X);
    if (top != saved.Top) top = SnapEdge(top, lines.Y);
    if (bottom != saved.Top + saved.Height) bottom = SnapEdge(bottom, lines.Y);
    // An edge never snaps past the one opposite.
    if (right <= left) right = b.Left + b.Width, left = b.Left;
    if (bottom <= top) bottom = b.Top + b.Height, top = b.Top;
    const BoxRect rect{left, top, right - left, bottom - top};
    // Only the edges that moved are shown as guides; a centre only follows.
    std::vector<Guide> guides;
    auto edgeGuide = [&](bool vertical, int at, bool moved, const std::vector<int>& on) {
        if (moved && std::find(on.begin(), on.end(), at) != on.end())
            guides.push_back({vertical, at});
    };
    edgeGuide(true, rect.Left, b.Left != saved.Left, lines.X);
    edgeGuide(true, rect.Left + rect.Width, b.Left + b.Width != saved.Left + saved.Width, lines.X);
    edgeGuide(false, rect.Top, b.Top != saved.Top, lines.Y);
    edgeGuide(false, rect.Top + rect.Height, b.Top + b.Height != saved.Top + saved.Height, lines.Y);
    return {rect, guides};
}

GuidedRect MoveOutcome(BoxRect dropped, DragSnap snap, const GuideLines& lines, ScreenSize area) {
    if (snap.Nothing) return {EndOfMove(dropped, std::nullopt, area), {}};
    if (snap.Grid) {
        const BoxRect rect = EndOfMove(dropped, snap.Grid, area);
        return {rect, GuidesTouching(rect, lines)};
    }
    const GuidedRect guided = GuideMove(dropped, lines);
    const BoxRect rect = FitByMoving(guided.Rect, area);
    if (guided.Guides.empty()) return {rect, {}};
    return {rect, GuidesTouching(rect, lines)};
}

GuidedRect ResizeOutcome(BoxRect saved, BoxRect resized, DragSnap snap, const GuideLines& lines,
                         ScreenSize area) {
    if (snap.Nothing)
        return {FitByShrinking(EndOfResize(saved, resized, std::nullopt, area), area), {}};
    if (snap.Grid) {
        const BoxRect rect = FitByShrinking(EndOfResize(saved, resized, snap.Grid, area), area);
        return {rect, GuidesTouching(rect, lines)};
    }
    const GuidedRect guided = GuideResize(saved, resized, lines);
    return {FitByShrinking(guided.Rect, area), guided.Guides};
}

} // namespace roamplot
