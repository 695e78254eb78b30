#include "ui/device/FileListDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/TextCodec.h"
#include "ui/app/Prompter.h"

namespace roamplot {

FileListDialog::FileListDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Tool), prompter_(prompter) {
    setWindowTitle(tr("File List"));
    setSizeGripEnabled(true);
    eFileName = new QLineEdit(this);
    eFileName->setObjectName("eFileName");
    eFileName->setMaxLength(MostNameLength);
    auto* nameLabel = new QLabel(tr("File Name :"), this);
    nameLabel->setBuddy(eFileName);
    lFiles = new QListWidget(this);
    lFiles->setObjectName("lFiles");
    bConfirm = new QPushButton(this);
    bConfirm->setObjectName("bConfirm");
    bConfirm->setDefault(true);
    bCancel = new QPushButton(tr("Cancel"), this);
    bCancel->setObjectName("bCancel");

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(eFileName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bConfirm);
    buttons->addWidget(bCancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(nameRow);
    column->addWidget(lFiles, 1);
    column->addLayout(buttons);
    resize(320, 360);

    // Every change counts, typed or not, so a name missing from the list is taken too.
    connect(eFileName, &QLineEdit::textChanged, this,
            [this](const QString& text) { chosenFile_ = text; });
    connect(lFiles, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { eFileName->setText(item->text()); });
    connect(lFiles, &QListWidget::itemDoubleClicked, this, [this] { bConfirmClick(); });
    connect(bConfirm, &QPushButton::clicked, this, [this] { bConfirmClick(); });
    connect(bCancel, &QPushButton::clicked, this, &FileListDialog::reject);
}

void FileListDialog::Prepare(FileListMode mode, Direction direction) {
    Mode = mode;
    direction_ = direction;
    bConfirm->setText(direction == Direction::Send ? tr("Send") : tr("Get"));
    SetFileName(remembered_[mode]);
}

void FileListDialog::SetFileName(const QString& name) {
    eFileName->setText(name);
}

void FileListDialog::ShowDeviceFiles(const QStringList& names) {
    listed_ = names;
    lFiles->clear();
    lFiles->addItems(names);
}

bool FileListDialog::NameAccepted() {
    const std::string name = FromQString(chosenFile_);
    if (direction_ == Direction::Get) {
        const std::string problem = GetNameProblem(Mode, name);
        if (problem.empty()) return true;
        prompter_.ShowMessage(ToQString(problem));
        return false;
    }
    std::vector<std::string> listed;
    for (const QString& shown : std::as_const(listed_)) listed.push_back(FromQString(shown));
    return !ListedOnDevice(listed, name) || prompter_.AskYesNo(ToQString(ReplaceQuestion(name)));
}

void FileListDialog::bConfirmClick() {
    if (chosenFile_.isEmpty()) {
        prompter_.ShowMessage(tr("Select a File from the list."));
        return;
    }
    // A refused name stays in the field to be mended.
    if (!NameAccepted()) return;
    remembered_[Mode] = chosenFile_;
    accept();
}

void FileListDialog::reject() {
    chosenFile_.clear();
    remembered_[Mode].clear();
    eFileName->clear();
    listed_.clear();
    lFiles->clear();
    QDialog::reject();
}

void FileListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() -
             QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

} // namespace roamplot
