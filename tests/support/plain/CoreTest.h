#pragma once
// What the core tests share: GoogleTest, temporary folders, the data files
// and the records they build.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plain/Records.h"
#include "plain/TempFolder.h"
#include "plain/TestFiles.h"

using namespace roamplot;
using namespace roamplot::test;
namespace fs = std::filesystem;
