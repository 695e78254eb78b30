#pragma once
// A picture that many boxes show at once. Copying a box copies a reference to
// the picture, not its pixels; a box that changes its own picture gets a copy
// of its own first, so the others keep theirs.
#include <memory>
#include <optional>
#include <utility>

#include "core/model/Dib.h"

namespace roamplot {

class SharedDib {
  public:
    SharedDib() = default;
    SharedDib(std::nullopt_t) {}
    SharedDib(Dib dib) : dib_(std::make_shared<Dib>(std::move(dib))) {}
    SharedDib(std::optional<Dib> dib) {
        if (dib) dib_ = std::make_shared<Dib>(std::move(*dib));
    }

    bool has_value() const { return dib_ != nullptr; }
    explicit operator bool() const { return has_value(); }
    const Dib& operator*() const { return *dib_; }
    const Dib* operator->() const { return dib_.get(); }
    void reset() { dib_.reset(); }

    // The picture to change: always a fresh copy, so that the other holders
    // keep theirs and nothing made from the old object is taken for the new.
    Dib& Edit() {
        dib_ = dib_ ? std::make_shared<Dib>(*dib_) : std::make_shared<Dib>();
        return *dib_;
    }

    // The same picture object, not merely equal pixels: what a cache of
    // converted pictures can key on.
    std::shared_ptr<const Dib> Shared() const { return dib_; }

    bool operator==(const SharedDib& other) const {
        if (dib_ == other.dib_) return true;
        return dib_ && other.dib_ && *dib_ == *other.dib_;
    }

  private:
    std::shared_ptr<Dib> dib_;
};

} // namespace roamplot
