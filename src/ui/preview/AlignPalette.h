#pragma once
// The small tool window whose eight buttons line up, equalise and space the
// boxes multi-selected on the preview.
#include <QWidget>

#include "core/app/SettingsFile.h"
#include "core/designer/AlignCommands.h"

class QToolButton;

namespace roamplot {

class AlignPalette : public QWidget {
    Q_OBJECT
  public:
    explicit AlignPalette(SettingsFile& settings, QWidget* parent = nullptr);
    // Restores its position from section "Align Palette"; without one it sits
    // at an offset from the main window's position, once that is settled.
    void RestorePosition(QPoint mainWindowPosition);
    // Stores its position in section "Align Palette".
    ~AlignPalette() override;
    // Puts the position into the settings for the next write.
    void RememberPosition();

    QToolButton* Button(AlignCommand command) const;

  signals:
    void CommandChosen(AlignCommand command);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    SettingsFile& settings_;
};

} // namespace roamplot
