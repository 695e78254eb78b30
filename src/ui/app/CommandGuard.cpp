#include "ui/app/CommandGuard.h"

namespace roamplot {

bool DesignerApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (prompter_) prompter_->ShowError(ToQString(error.what()));
    }
    return false;
}

} // namespace roamplot
