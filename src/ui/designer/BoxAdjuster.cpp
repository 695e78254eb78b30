#include "ui/designer/BoxAdjuster.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "core/designer/StepNames.h"
#include "core/model/FieldFunctions.h"
#include "render/TextCodec.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/MainForm.h"
#include "ui/designer/AdjustPanel.h"
#include "ui/designer/PageDesigner.h"
#include "ui/preview/AlignPalette.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot {

namespace {
constexpr const char* NoBoxSelected = "No Window Box selected";
constexpr int RepeatInterval = 100;
constexpr int TypingDelay = 1000;
} // namespace

BoxAdjuster::BoxAdjuster(MainForm& form, PageDesigner& designer, AdjustPanel& panel,
                         AlignPalette& palette)
    : QObject(&designer), form_(form), designer_(designer), panel_(panel), palette_(palette) {
    timer1_.setInterval(RepeatInterval);
    timer2_.setInterval(TypingDelay);
    timer2_.setSingleShot(true);

    auto guarded = [this](auto handler) { return [this, handler] { form_.Guarded(handler); }; };
    connect(&timer1_, &QTimer::timeout, this, guarded([this] { Timer1Timer(); }));
    connect(&timer2_, &QTimer::timeout, this, guarded([this] { Timer2Timer(); }));
    for (const auto& entry : panel_.StepButtons()) {
        connect(entry.Button, &QPushButton::pressed, this, [this] { bteMouseDown(); });
        connect(entry.Button, &QPushButton::released, this, [this] { bteMouseUp(); });
    }
    for (QLineEdit* field : panel_.BoundsFields())
        connect(field, &QLineEdit::textEdited, this, [this] { BoxBoundsChange(); });
    connect(panel_.LbButton3, &QPushButton::clicked, this, [this] { LbButton3Click(); });
    connect(&palette_, &AlignPalette::CommandChosen, this,
            [this](AlignCommand command) { form_.Guarded([&] { AlignCommandClick(command); }); });

    // One step per key press in the preview: arrows move, Shift with an arrow
    // pushes the right or bottom edge. Only while the preview has the focus:
    // docked, it shares its window with fields whose arrows are their own.
    const std::pair<QKeySequence, NudgeStep> keySteps[] = {
        {Qt::Key_Up, NudgeStep::Up},
        {Qt::Key_Down, NudgeStep::Down},
        {Qt::Key_Left, NudgeStep::Left},
        {Qt::Key_Right, NudgeStep::Right},
        {Qt::SHIFT | Qt::Key_Up, NudgeStep::BottomIn},
        {Qt::SHIFT | Qt::Key_Down, NudgeStep::BottomOut},
        {Qt::SHIFT | Qt::Key_Left, NudgeStep::RightIn},
        {Qt::SHIFT | Qt::Key_Right, NudgeStep::RightOut},
    };
    for (const auto& [keys, step] : keySteps) {
        auto* shortcut = new QShortcut(keys, form_.Preview());
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        NudgeStep chosen = step;
        connect(shortcut, &QShortcut::activated, this,
                [this, chosen] { form_.Guarded([&] { MakeStep(chosen); }); });
    }
}

ScreenSize BoxAdjuster::DrawArea() const {
    return form_.Screen().DrawArea();
}

void BoxAdjuster::bteMouseDown() {
    timer1_.start();
}

void BoxAdjuster::bteMouseUp() {
    timer1_.stop();
}

void BoxAdjuster::Timer1Timer() {
    for (const auto& entry : panel_.StepButtons()) {
        if (!entry.Button->isDown()) continue;
        // The repeat stays off unless the step succeeds, so a failure is told
        // once per press rather than every tick, and never under an open message.
        timer1_.stop();
        if (!MakeStep(entry.Step)) return;
        timer1_.start();
    }
}

bool BoxAdjuster::MakeStep(NudgeStep step) {
    LayoutEditor& editor = designer_.Editor();
    editor.Touch(NudgeStepName(step));
    int slot = designer_.GetControl();
    if (slot == -1) {
        form_.Prompts().ShowMessage(NoBoxSelected);
        return false;
    }
    int pixels = StrToInt(FromQString(form_.Configuration()->eAdjust->text()));
    Nudge(editor, slot, step, pixels, DrawArea(), designer_.ReferenceBox() != 0);
    return true;
}

void BoxAdjuster::BoxBoundsChange() {
    if (form_.PanelLoading()) return;
    designer_.Editor().Touch(StepNames::MoveBox);
    // A burst of typing is applied one second after its first keystroke.
    if (!timer2_.isActive()) timer2_.start();
}

void BoxAdjuster::Timer2Timer() {
    timer2_.stop();
    int slot = designer_.GetControl();
    if (slot == -1) {
        form_.Prompts().ShowMessage(NoBoxSelected);
        return;
    }
    TypedBounds typed;
    auto fields = panel_.BoundsFields();
    for (std::size_t i = 0; i < typed.size(); ++i) typed[i] = FromQString(fields[i]->text());
    ApplyTypedBounds(designer_.Editor(), slot, typed, DrawArea());
    form_.Preview()->Sizer().UpdateHandles();
}

void BoxAdjuster::LbButton3Click() {
    palette_.show();
    palette_.raise();
}

void BoxAdjuster::AlignCommandClick(AlignCommand command) {
    RunAlignCommand(designer_.Editor(), command, designer_.ReferenceBox(), DrawArea());
    form_.Preview()->Sizer().UpdateHandles();
}

} // namespace roamplot
