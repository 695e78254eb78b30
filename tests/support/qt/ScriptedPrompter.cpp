#include "ScriptedPrompter.h"

#include <QDialog>

namespace roamplot::test {

namespace {
// The first queued answer, or what an empty queue answers.
template <class Answer> Answer NextAnswer(std::deque<Answer>& answers, Answer whenEmpty) {
    if (answers.empty()) return whenEmpty;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}
} // namespace

bool ScriptedPrompter::Confirm(const QString& text) {
    Shown << "confirm: " + text;
    return NextAnswer(ConfirmAnswers, true);
}

UnsavedChoice ScriptedPrompter::AskUnsaved(const QString& text) {
    if (UnsavedAnswers.empty()) {
        const bool ok = Confirm(text);
        return ok ? UnsavedChoice::Discard : UnsavedChoice::Cancel;
    }
    Shown << "confirm: " + text;
    return NextAnswer(UnsavedAnswers, UnsavedChoice::Discard);
}

bool ScriptedPrompter::AskYesNo(const QString& text) {
    Shown << "yesno: " + text;
    return NextAnswer(ConfirmAnswers, true);
}

bool ScriptedPrompter::ChooseBetween(const QString& text, const QString& first,
                                     const QString& second) {
    Shown << "choose: " + text + " [" + first + "/" + second + "]";
    return NextAnswer(ConfirmAnswers, true);
}

QString ScriptedPrompter::AskOpenFileName(const FileDialogRequest& request) {
    Shown << "open: " + request.Title;
    FileRequests << request;
    return NextAnswer(FileAnswers, QString());
}

QString ScriptedPrompter::AskSaveFileName(const FileDialogRequest& request) {
    Shown << "save: " + request.Title;
    FileRequests << request;
    return NextAnswer(FileAnswers, QString());
}

QString ScriptedPrompter::AskFolder(const QString& title, const QString& /*initialFolder*/) {
    Shown << "folder: " + title;
    return NextAnswer(FileAnswers, QString());
}

void ScriptedPrompter::ShowTimedMessage(TimedMessageKind kind, int durationMs,
                                        const QString& text) {
    Shown << QString("timed: %1 %2 %3").arg(static_cast<int>(kind)).arg(durationMs).arg(text);
}

void ScriptedPrompter::RunDialog(QDialog& dialog) {
    Shown << "dialog: " + dialog.windowTitle();
    bool done = false;
    const auto watch = QObject::connect(&dialog, &QDialog::finished, [&done] { done = true; });
    if (!DialogAnswers.empty()) {
        const auto answer = std::move(DialogAnswers.front());
        DialogAnswers.pop_front();
        answer(dialog);
    }
    QObject::disconnect(watch);
    if (!done) dialog.reject();
}

QStringList ScriptedPrompter::Of(const QString& kind) const {
    QStringList texts;
    QString prefix = kind + ": ";
    for (const QString& line : Shown)
        if (line.startsWith(prefix)) texts << line.mid(prefix.size());
    return texts;
}

} // namespace roamplot::test
