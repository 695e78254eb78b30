#pragma once
// A splitter that shares its width anew by a rule of its owner after every
// resize, once it has laid its children out itself.
#include <QSplitter>
#include <functional>

namespace roamplot {

class BodySplitter : public QSplitter {
  public:
    BodySplitter(std::function<void()> share, QWidget* parent);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::function<void()> share_;
};

} // namespace roamplot
