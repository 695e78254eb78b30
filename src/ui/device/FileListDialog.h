#pragma once
// "File List": the names in the handheld's folder and the name a transfer uses.
#include <QDialog>
#include <QString>
#include <QStringList>

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

    // Parameter or key files while a transfer dialog is up; None otherwise.
    FileListMode Mode = FileListMode::None;

    // The name the user confirmed; empty after Cancel. Kept between uses.
    const QString& ChosenFile() const { return chosenFile_; }
    // "Send" or "Get".
    void SetConfirmCaption(const QString& caption);
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

    Prompter& prompter_;
    QString chosenFile_;
};

} // namespace roamplot
