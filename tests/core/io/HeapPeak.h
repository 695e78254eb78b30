#pragma once
// The most heap memory this process held at once since a point in the test,
// and a ceiling on it: the test program counts what operator new hands out and
// delete takes back.
#include <cstddef>

namespace roamplot::test {

class HeapPeak {
  public:
    HeapPeak(); // starts counting the peak from what is held now
    // Bytes above the starting level at the highest point so far.
    std::size_t Bytes() const;

  private:
    std::size_t start_;
};

// While it lives, an allocation that would raise what the process holds more
// than `bytes` above the level at its making fails, as it does when memory
// runs out.
class HeapCeiling {
  public:
    explicit HeapCeiling(std::size_t bytes);
    ~HeapCeiling();
    HeapCeiling(const HeapCeiling&) = delete;
    HeapCeiling& operator=(const HeapCeiling&) = delete;
};

} // namespace roamplot::test
