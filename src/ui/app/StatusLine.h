#pragma once
// The main window's status bar: the pointer over the preview in device pixels,
// the selected box's bounds, the zoom and the state of the parameter file.
#include <QStatusBar>

#include "core/designer/StatusTexts.h"

class QLabel;

namespace roamplot {

class StatusLine : public QStatusBar {
  public:
    explicit StatusLine(QWidget* parent);

    void Show(const StatusFacts& facts);
    // Only the pointer's label, as the pointer moves over the preview.
    void ShowPointer(const std::optional<DevicePoint>& pointer);

    QLabel* Pointer() const { return pointer_; }
    QLabel* SelectedBox() const { return box_; }
    QLabel* Zoom() const { return zoom_; }
    QLabel* File() const { return file_; }

  private:
    QLabel* AddLabel(const char* name, const QString& widest, int stretch);

    QLabel* pointer_;
    QLabel* box_;
    QLabel* zoom_;
    QLabel* file_;
};

} // namespace roamplot
