#include "HeapPeak.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> ceiling{SIZE_MAX};

// Room in front of each block for its size, kept at the strictest alignment.
constexpr std::size_t Front = alignof(std::max_align_t);

void* Take(std::size_t size) noexcept {
    if (size > ceiling.load() - std::min(held.load(), ceiling.load())) return nullptr;
    void* block = std::malloc(size + Front);
    if (!block) return nullptr;
    *static_cast<std::size_t*>(block) = size;
    const std::size_t now = held.fetch_add(size) + size;
    for (std::size_t high = peak.load(); now > high && !peak.compare_exchange_weak(high, now);) {
    }
    return static_cast<char*>(block) + Front;
}

void Give(void* p) noexcept {
    if (!p) return;
    void* block = static_cast<char*>(p) - Front;
    held.fetch_sub(*static_cast<std::size_t*>(block));
    std::free(block);
}

void* TakeOrThrow(std::size_t size) {
    if (void* p = Take(size)) return p;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return TakeOrThrow(size);
}
void* operator new[](std::size_t size) {
    return TakeOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Take(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Take(size);
}
void operator delete(void* p) noexcept {
    Give(p);
}
void operator delete[](void* p) noexcept {
    Give(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Give(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Give(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Give(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Give(p);
}

namespace roamplot::test {

HeapPeak::HeapPeak() : start_(held.load()) {
    peak.store(start_);
}

std::size_t HeapPeak::Bytes() const {
    const std::size_t high = peak.load();
    return high > start_ ? high - start_ : 0;
}

} // namespace roamplot::test

namespace roamplot::test {

HeapCeiling::HeapCeiling(std::size_t bytes) {
    ceiling.store(held.load() + bytes);
}

HeapCeiling::~HeapCeiling() {
    ceiling.store(SIZE_MAX);
}

} // namespace roamplot::test
