#pragma once
// The bookkeeping every undo history shares: the steps done and undone, the
// step that matches the saved file, and whether the next step may join the
// last (one burst of typing, one held key, one drag).
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace roamplot {

inline constexpr std::size_t MaxUndoSteps = 200;

// `Step` has a std::string `Name`, shown as "Undo <Name>".
template <class Step> class UndoStack {
  public:
    // No steps; the current state is the saved one unless it matches no file.
    void Clear(bool matchesFile) {
        steps_.clear();
        done_ = 0;
        saved_ = matchesFile ? std::optional<std::size_t>(0) : std::nullopt;
        burstOpen_ = false;
    }
    // The last step while the burst it began goes on, else null.
    Step* OpenStep() { return burstOpen_ ? &steps_.back() : nullptr; }
    // Drops the undone steps and, beyond the limit, the oldest one.
    void Push(Step step) {
        steps_.resize(done_);
        if (saved_ && *saved_ > done_) saved_.reset();
        steps_.push_back(std::move(step));
        ++done_;
        if (steps_.size() > MaxUndoSteps) {
            steps_.erase(steps_.begin());
            --done_;
            if (saved_) saved_ = *saved_ == 0 ? std::optional<std::size_t>() : *saved_ - 1;
        }
        burstOpen_ = true;
    }
    void EndBurst() { burstOpen_ = false; }

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    std::string UndoName() const { return CanUndo() ? steps_[done_ - 1].Name : std::string(); }
    std::string RedoName() const { return CanRedo() ? steps_[done_].Name : std::string(); }
    // Each moves past the step it returns, or returns null.
    const Step* Undo() {
        if (!CanUndo()) return nullptr;
        burstOpen_ = false;
        return &steps_[--done_];
    }
    const Step* Redo() {
        if (!CanRedo()) return nullptr;
        burstOpen_ = false;
        return &steps_[done_++];
    }

    void MarkSaved() {
        saved_ = done_;
        burstOpen_ = false;
    }
    bool AtSaved() const { return saved_ == done_; }
    std::size_t Size() const { return steps_.size(); }

  private:
    std::vector<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are applied
    // The number of applied steps that matches the saved file; none once that
    // state has left the history.
    std::optional<std::size_t> saved_ = 0;
    bool burstOpen_ = false;
};

} // namespace roamplot
