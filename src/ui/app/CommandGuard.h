#pragma once
// The general error handler: a failure the program did not expect ends the
// command and is reported with its message; the program keeps running.
#include <QApplication>
#include <exception>

#include "render/TextCodec.h"
#include "ui/app/Prompter.h"

namespace roamplot {

template <class Command> void RunGuarded(Prompter& prompter, Command&& command) {
    try {
        command();
    } catch (const std::exception& error) {
        prompter.ShowError(ToQString(error.what()));
    }
}

// The last resort for anything thrown inside an event handler.
class DesignerApplication : public QApplication {
  public:
    DesignerApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    Prompter* prompter_ = nullptr;
};

} // namespace roamplot
