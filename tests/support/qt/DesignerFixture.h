#pragma once
// A started designer on a temporary program folder, with helpers to add boxes
// and to drive the preview with simulated mouse input.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "plain/TempFolder.h"
#include "qt/ScriptedPrompter.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/MainMenu.h"
#include "ui/app/Startup.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/preview/GrabHandle.h"
#include "ui/preview/PreviewControl.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot::test {

// Fires a timer's timeout now: tests drive the timers rather than wait for them.
inline void Tick(QTimer& timer) {
    QMetaObject::invokeMethod(&timer, "timeout");
}

struct DesignerFixture {
    TempFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<MainForm> form;

    explicit DesignerFixture(const std::string& settings = "") {
        CopyShippedCatalogues(folder);
        if (!settings.empty()) folder.Write("RoamCE_Screen_Designer.ini", settings);
        form = StartDesigner(QString::fromStdString(folder.Path()), prompter);
    }
    PageDesigner& Designer() { return *form->Designer(); }
    PageDesignerTab& Tab() { return *form->PageDesignerPage(); }
    PreviewWindow& Preview() { return *form->Preview(); }
    // Lays out a starting state through the editor, which tells the designer as a load does
    // and selects the first box of the page shown.
    void SetUp(const std::function<void(ScreenLayout&)>& change) {
        Designer().Editor().Load([&change](ScreenLayout& layout) {
            change(layout);
            return 0;
        });
    }
    const ScreenLayout& Layout() const { return form->Layout(); }
    const ParameterBox& Box(int slot) { return Layout().Box(Layout().CurrentPage, slot); }
    PreviewControl* Control(int slot) { return Preview().Control(Layout().CurrentPage, slot); }

    // Adds a box with "New Box" and places it.
    int AddBox(BoxRect rect) {
        QTest::mouseClick(Tab().bNew, Qt::LeftButton);
        int slot = Designer().GetControl();
        Designer().Editor().SetBoxRect(slot, rect);
        return slot;
    }
    void UseSnap(const QString& interval) {
        form->Configuration()->cUseSnap->setChecked(true);
        form->Configuration()->eSnap->setText(interval);
    }
    static void Move(QWidget* widget, QPoint to, Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)),
                         Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // Drags a box's control by a distance in screen pixels.
    void DragBox(int slot, QPoint by) {
        QWidget* control = Control(slot);
        QPoint start(2, 2);
        QTest::mousePress(control, Qt::LeftButton, {}, start);
        Move(control, start + by);
        QTest::mouseRelease(control, Qt::LeftButton, {}, start + by);
    }
    // Drags a grab handle of the selected box by a distance in screen pixels.
    void DragHandle(int position, QPoint by) {
        GrabHandle* handle = Preview().Sizer().Handle(position);
        QPoint start(2, 2);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        Move(handle, start + by);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + by);
    }
    BoxRect RectOf(int slot) { return Designer().Editor().BoxRectOf(slot); }
    // The menu entry of that object name ("aUndo", "aSave", ...).
    QAction* MenuAction(const char* name) { return form->Menu()->Action(name); }
};

} // namespace roamplot::test
