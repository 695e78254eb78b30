#pragma once
// Pages put into a layout after a given page: a copy of one of its own, or
// pages of another layout.
#include <vector>

#include "core/model/ScreenLayout.h"

namespace roamplot {

inline constexpr const char* NoMorePagesMessage = "There are no more pages available.";

// How many pages can go in after `after`: each takes the place of a page
// without boxes further on.
int RoomForPages(const ScreenLayout& layout, int after);

// Inserts as many of the pages as there is room for after `after`, in order,
// with their boxes, symbols and names. The pages between move up to the empty
// pages they use up; the pages beyond those keep their numbers. Returns how
// many went in.
int InsertPages(ScreenLayout& layout, int after, const std::vector<Page>& pages);

// "Only N pages can be added."
std::string OnlyPagesMessage(int room);

} // namespace roamplot
