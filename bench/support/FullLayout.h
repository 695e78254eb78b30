#pragma once
// The layouts the benchmarks measure, and where the built catalogues are.
#include <filesystem>

#include "core/model/ScreenLayout.h"

namespace roamplot::bench {

// 20 pages of 32 boxes of mixed kinds with 20 distinct 50 x 60 symbols.
ScreenLayout FullLayout();

// The folder of the running benchmark, where the build puts the catalogues.
std::filesystem::path ProgramFolder();

} // namespace roamplot::bench
