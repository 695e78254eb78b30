#pragma once
// The most heap memory this process held at once since a point in the test:
// the test program counts what operator new hands out and delete takes back.
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

} // namespace roamplot::test
