#pragma once
// Runs the benchmarks of a program that needs a Qt application (offscreen
// unless a platform is named).
namespace roamplot::bench {

int RunWithQt(int argc, char** argv);

} // namespace roamplot::bench
