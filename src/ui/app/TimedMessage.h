#pragma once
// A small window with an icon and one line of text that closes itself.
#include <QDialog>
#include <QTimer>

#include "ui/app/Prompter.h"

namespace roamplot {

class TimedMessage : public QDialog {
    Q_OBJECT
  public:
    static constexpr int DefaultDurationMs = 2000;
    static constexpr int IconSize = 32;

    // A duration of 0 stands for 2000 ms.
    TimedMessage(TimedMessageKind kind, int durationMs, const QString& text,
                 QWidget* parent = nullptr);

    QTimer& Timer() { return timer_; }
    QString Text() const { return text_; }
    // The text's left edge: 6 pixels right of the icon.
    int TextLeft() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    TimedMessageKind kind_;
    QString text_;
    QTimer timer_;
};

// The caption of a kind: "Error", "Information" or "Warning".
QString TimedMessageCaption(TimedMessageKind kind);

} // namespace roamplot
