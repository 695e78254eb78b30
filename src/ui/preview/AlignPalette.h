#pragma once
// The small tool window whose eight buttons line up, equalise and space the
// boxes multi-selected on the preview.
#include <QWidget>

#include "core/app/SettingsFile.h"
#include "core/designer/AlignCommands.h"
#include "ui/widgets/Dockable.h"

class QGridLayout;
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

    // Docked beside the docked preview, four buttons to a row and a button
    // that closes it; floating, a tool window of the owner (the floating
    // preview, so that it stays above it) with two buttons to a row.
    void Dock(QWidget* holder);
    void Float(QWidget* owner);
    bool Docked() const { return dockable_.Docked(); }

  signals:
    void CommandChosen(AlignCommand command);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Arrange(int columns);

    SettingsFile& settings_;
    Dockable dockable_;
    QGridLayout* grid_;
    QToolButton* close_;
};

} // namespace roamplot
