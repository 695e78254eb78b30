// One pointer move of a box dragged with guides on, with the full layout
// loaded (480 x 272): the guides are found among the page's 31 other boxes,
// the band and the guide lines drawn. The counter shows that a drag composes
// no page (the release then composes it once, as before).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "render/PathText.h"
#include "support/DesignerFolder.h"
#include "support/QtBenchmarks.h"
#include "ui/app/MainForm.h"
#include "ui/app/Startup.h"
#include "ui/designer/PageDesigner.h"
#include "ui/preview/PreviewControl.h"
#include "ui/preview/PreviewWindow.h"

using namespace roamplot;

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void PointerMoveWithGuides(benchmark::State& state) {
    static const bench::DesignerFolder program(true, 5);
    bench::SilentPrompter prompter;
    std::unique_ptr<MainForm> form = StartDesigner(QStringFromPath(program.Folder), prompter);
    form->show();
    form->Preview()->show();
    QApplication::processEvents();
    form->Designer()->SelectBox(1);
    QWidget* control = form->Preview()->Control(form->Layout().CurrentPage, 1);
    const int composed = form->Preview()->CompositionCount();
    const QPoint start(2, 2);
    SendMouse(control, QEvent::MouseButtonPress, start);
    int n = 0;
    for (auto _ : state) {
        SendMouse(control, QEvent::MouseMove, start + QPoint(3 + n % 40, 2 + n % 17));
        QApplication::processEvents();
        ++n;
    }
    // Counted at one place, so the figure does not depend on where the timed moves ended.
    SendMouse(control, QEvent::MouseMove, start + QPoint(3, 2));
    QApplication::processEvents();
    state.counters["guides_shown"] = static_cast<double>(form->Preview()->GuidesShown().size());
    state.counters["compositions_while_dragging"] =
        static_cast<double>(form->Preview()->CompositionCount() - composed);
    SendMouse(control, QEvent::MouseButtonRelease, start);
}
BENCHMARK(PointerMoveWithGuides)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithQt(argc, argv);
}
