#pragma once
// Filling controls is not an edit: while a scope lives the handlers stay
// quiet, and at its end the flag is as it was before, also when the filling
// ends with an error (a box whose parameter id is no number). The one way
// the flag is raised and lowered.
#include <utility>

namespace roamplot {

class PanelLoadingScope {
  public:
    explicit PanelLoadingScope(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
    ~PanelLoadingScope() { flag_ = was_; }
    PanelLoadingScope(const PanelLoadingScope&) = delete;
    PanelLoadingScope& operator=(const PanelLoadingScope&) = delete;

  private:
    bool& flag_;
    bool was_;
};

} // namespace roamplot
