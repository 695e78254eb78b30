#include "ui/app/QtPrompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "ui/app/TimedMessage.h"

namespace roamplot {

void QtPrompter::ShowMessage(const QString& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), text);
}

bool QtPrompter::Confirm(const QString& text) {
    return QMessageBox::question(parent_, QApplication::applicationName(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

UnsavedChoice QtPrompter::AskUnsaved(const QString& text) {
    const auto answer = QMessageBox::question(
        parent_, QApplication::applicationName(), text,
        QMessageBox::Ok | QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) return UnsavedChoice::Discard;
    return answer == QMessageBox::Save ? UnsavedChoice::Save : UnsavedChoice::Cancel;
}

bool QtPrompter::AskYesNo(const QString& text) {
    // Enter alone must not empty a page.
    return QMessageBox::question(parent_, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompter::ChooseBetween(const QString& text, const QString& first, const QString& second) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::NoButton, parent_);
    QPushButton* chosen = box.addButton(first, QMessageBox::AcceptRole);
    box.setDefaultButton(chosen);
    box.setEscapeButton(box.addButton(second, QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == chosen;
}

namespace {
QFileDialog* MakeDialog(QWidget* parent, const FileDialogRequest& request) {
    auto* dialog = new QFileDialog(parent, request.Title);
    dialog->setNameFilter(request.Filter);
    dialog->setDefaultSuffix(request.DefaultExtension);
    if (!request.InitialFile.isEmpty()) dialog->selectFile(request.InitialFile);
    return dialog;
}

QString Run(QFileDialog* dialog) {
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().constFirst();
    delete dialog;
    return chosen;
}
} // namespace

QString QtPrompter::AskOpenFileName(const FileDialogRequest& request) {
    QFileDialog* dialog = MakeDialog(parent_, request);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

QString QtPrompter::AskSaveFileName(const FileDialogRequest& request) {
    QFileDialog* dialog = MakeDialog(parent_, request);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return Run(dialog);
}

QString QtPrompter::AskFolder(const QString& title, const QString& initialFolder) {
    return QFileDialog::getExistingDirectory(parent_, title, initialFolder);
}

void QtPrompter::ShowTimedMessage(TimedMessageKind kind, int durationMs, const QString& text) {
    TimedMessage message(kind, durationMs, text, parent_);
    message.exec();
}

bool QtPrompter::OpenHelp(const QString& document) {
    // A compiled help file goes to the system's help viewer, anything else to the browser.
    if (document.contains(".chm", Qt::CaseInsensitive))
        return QProcess::startDetached("hh.exe", {document});
    return QDesktopServices::openUrl(QUrl::fromLocalFile(document));
}

void QtPrompter::ShowError(const QString& text) {
    QMessageBox::critical(parent_, QApplication::applicationName(), text);
}

void QtPrompter::RunDialog(QDialog& dialog) {
    dialog.exec();
}

} // namespace roamplot
