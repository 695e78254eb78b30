#pragma once
// The logic of the "Adjust Selected box" panel and of the align palette: pixel
// steps repeated while a button is held, typed positions applied a second after
// the first keystroke, and the palette's commands.
#include <QObject>
#include <QTimer>

#include "core/designer/AlignCommands.h"
#include "core/designer/NudgeSteps.h"

namespace roamplot {

class AdjustPanel;
class AlignPalette;
class MainForm;
class PageDesigner;

class BoxAdjuster : public QObject {
    Q_OBJECT
  public:
    BoxAdjuster(MainForm& form, PageDesigner& designer, AdjustPanel& panel, AlignPalette& palette);

    QTimer& Timer1() { return timer1_; }
    QTimer& Timer2() { return timer2_; }

    // Pressing and releasing any of the twelve step buttons.
    void bteMouseDown();
    void bteMouseUp();
    // One step for each held button.
    void Timer1Timer();
    // A change of a position field typed by the user.
    void BoxBoundsChange();
    // Applies the four position fields to the selected box.
    void Timer2Timer();
    void LbButton3Click();
    void AlignCommandClick(AlignCommand command);

  private:
    // Returns false when no box is selected; a bad step text throws.
    bool MakeStep(NudgeStep step);
    ScreenSize DrawArea() const;

    MainForm& form_;
    PageDesigner& designer_;
    AdjustPanel& panel_;
    AlignPalette& palette_;
    QTimer timer1_;
    QTimer timer2_;
};

} // namespace roamplot
