#pragma once
// A window's title as the window manager shows it: "[*]" is "*" while the
// window holds unsaved changes and nothing otherwise.
#include <QWidget>

namespace roamplot::test {

inline QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}

} // namespace roamplot::test
