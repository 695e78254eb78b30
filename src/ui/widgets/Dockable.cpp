#include "ui/widgets/Dockable.h"

#include <QWidget>

#include "ui/widgets/ScreenPlacement.h"

namespace roamplot {

Dockable::Dockable(QWidget& window, Qt::WindowFlags floatingFlags)
    : window_(window), flags_(floatingFlags) {}

void Dockable::Dock(QWidget* holder) {
    if (!docked_) kept_ = window_.pos();
    docked_ = true;
    window_.setParent(holder, Qt::Widget);
}

void Dockable::Float(QWidget* owner) {
    docked_ = false;
    window_.setParent(owner, flags_);
    MoveInsideArea(window_, kept_);
}

QPoint Dockable::FloatingPlace() const {
    return docked_ ? kept_ : window_.pos();
}

} // namespace roamplot
