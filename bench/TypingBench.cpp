// One character typed into the title field of a box, with the full layout
// loaded, until the preview shows it; beside it the floor: the same keystroke
// in a line edit whose window also repaints a 480 x 272 picture. Goals: within
// 1.5 times the floor in wall time and 2 times in CPU time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "render/PathText.h"
#include "support/DesignerFolder.h"
#include "support/QtBenchmarks.h"
#include "ui/app/MainForm.h"
#include "ui/app/Startup.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/preview/PreviewWindow.h"

using namespace roamplot;

namespace {

// A letter, then Backspace: the field's text and the box stay the same size.
void TypeKey(QWidget* focus, int n) {
    const bool erase = n % 2 == 1;
    const Qt::Key key = erase ? Qt::Key_Backspace : Qt::Key_A;
    const QString text = erase ? QString() : QStringLiteral("a");
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(focus, &release);
    // The queued step of the edit, then the repaints it asked for.
    QApplication::processEvents();
    QApplication::processEvents();
}

void TypeInTitleField(benchmark::State& state) {
    static const bench::DesignerFolder program(true, 5); // 480 x 272
    bench::SilentPrompter prompter;
    std::unique_ptr<MainForm> form = StartDesigner(QStringFromPath(program.Folder), prompter);
    form->show();
    form->Preview()->show();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    form->Designer()->SelectBox(1);
    QLineEdit* title = form->PageDesignerPage()->cTitleText;
    title->setFocus();
    title->end(false);
    QApplication::processEvents();
    const int composed = form->Preview()->CompositionCount();
    int n = 0;
    for (auto _ : state) TypeKey(title, n++);
    state.counters["compositions_per_key"] =
        static_cast<double>(form->Preview()->CompositionCount() - composed) / n;
}
BENCHMARK(TypeInTitleField)->Unit(benchmark::kMicrosecond);

// The picture a preview shows, painted whole on every keystroke.
class PictureWidget : public QWidget {
  public:
    PictureWidget() : picture_(480, 272, QImage::Format_RGB32) {
        picture_.fill(Qt::darkCyan);
        setFixedSize(picture_.size());
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

  private:
    QImage picture_;
};

void TypingFloor(benchmark::State& state) {
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    auto* picture = new PictureWidget;
    column->addWidget(field);
    column->addWidget(picture);
    QObject::connect(field, &QLineEdit::textEdited, picture, [picture] { picture->update(); });
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus();
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) TypeKey(field, n++);
}
BENCHMARK(TypingFloor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithQt(argc, argv);
}
