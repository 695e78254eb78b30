#pragma once
// "File List": the names in the handheld's folder and the name a transfer uses.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <map>

#include "core/device/DeviceTransfer.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace roamplot {

class Prompter;

class FileListDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int MostNameLength = 256;

    FileListDialog(Prompter& prompter, QWidget* parent);

    enum class Direction { Send, Get };

    // Parameter or key files while a transfer dialog is up; None otherwise.
    FileListMode Mode = FileListMode::None;

    // Readies the dialog for a transfer of the mode's files: the confirming
    // button reads "Send" or "Get", the field holds the name the mode used last.
    void Prepare(FileListMode mode, Direction direction);
    // The name the user confirmed; empty after Cancel. Each mode keeps its own
    // between uses, so a key name is never offered to a parameter get.
    const QString& ChosenFile() const { return chosenFile_; }
    // Puts a name into the field, as typing it would.
    void SetFileName(const QString& name);
    void ShowDeviceFiles(const QStringList& names);

    QLineEdit* eFileName;
    QListWidget* lFiles;
    QPushButton* bConfirm;
    QPushButton* bCancel;

  public slots:
    // Closing by the title bar (or Escape) is a Cancel: no transfer with an old name.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void bConfirmClick();

    // Whether the typed name may be confirmed: a get takes only its own kind
    // of file, a send asks before replacing a listed file.
    bool NameAccepted();

    Prompter& prompter_;
    QString chosenFile_;
    Direction direction_ = Direction::Send;
    std::map<FileListMode, QString> remembered_;
    QStringList listed_;
};

} // namespace roamplot
