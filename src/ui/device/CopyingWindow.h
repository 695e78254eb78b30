#pragma once
// "Copying Files": names the symbol picture being copied to the handheld.
#include <QWidget>

class QLabel;

namespace roamplot {

class CopyingWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CopyingWindow(QWidget* parent);

    // Shows "Copying file : " and the name, at once.
    void ShowCopying(const QString& fileName);
    QString Text() const;

  private:
    QLabel* lCopying_;
};

} // namespace roamplot
