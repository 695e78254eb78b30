#include "ui/app/StatusLine.h"

#include <QLabel>

#include "render/TextCodec.h"

namespace roamplot {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusLine");
    // The main window has a fixed size.
    setSizeGripEnabled(false);
    pointer_ = AddLabel("StatusPointer", "-0000, -0000", 0);
    box_ = AddLabel("StatusBox", "0000, 0000, 0000 x 0000", 0);
    zoom_ = AddLabel("StatusZoom", "zoom 4x", 0);
    file_ = AddLabel("StatusFile", "", 1);
}

QLabel* StatusLine::AddLabel(const char* name, const QString& widest, int stretch) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    // The texts change all the time; the window's width must not follow them.
    if (widest.isEmpty())
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    else
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(widest));
    addPermanentWidget(label, stretch);
    return label;
}

void StatusLine::Show(const StatusFacts& facts) {
    const StatusTexts texts = MakeStatusTexts(facts);
    pointer_->setText(ToQString(texts.Pointer));
    box_->setText(ToQString(texts.SelectedBox));
    zoom_->setText(ToQString(texts.Zoom));
    file_->setText(ToQString(texts.File));
}

void StatusLine::ShowPointer(const std::optional<DevicePoint>& pointer) {
    pointer_->setText(ToQString(PointerText(pointer)));
}

} // namespace roamplot
