#include "frmUpdate.h"

#include "KindFiles.h"
#include "MainWindowLinks.h"
#include "Merge.h"
#include "Module1.h"
#include "SharedServices.h"
#include "platform/Keys.h"
#include "platform/Named.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using MergeRoutine = bool (*)(Module1&, const QString&, const QString&);

// Update accepts the names of the eight catalogue files; pumps and hoses have
// merges of their own.
MergeRoutine mergeFor(Kind kind)
{
    switch (kind) {
    case Kind::Pump: return catalogue::UpdateStandardPumps;
    case Kind::Hose: return catalogue::UpdateStandardHoses;
    default: return catalogue::UpdateStandardComponents;
    }
}

} // namespace

using platform::named;

frmUpdate::frmUpdate(Module1& m, QWidget* parent) : QDialog(parent), m_(m)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral("Update"));

    Label1 = named<QLabel>("Label1", QStringLiteral("Selected File to Update Existing File"), this);
    txtFilePath = named<QLineEdit>("txtFilePath", this);
    txtFilePath->setReadOnly(true);
    cmdBrowse = named<QPushButton>("cmdBrowse", QStringLiteral("&Browse"), this);
    cmdUpdate = named<QPushButton>("cmdUpdate", QStringLiteral("Update"), this);
    cmdBrowse->setAutoDefault(false);
    cmdUpdate->setAutoDefault(false);
    fraUpdateHelp = named<QGroupBox>("fraUpdateHelp", QStringLiteral("Help"), this);
    lblUpdateHelp = named<QLabel>("lblUpdateHelp", fraUpdateHelp);
    lblUpdateHelp->setWordWrap(true);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(txtFilePath, 1);
    pathRow->addWidget(cmdBrowse);
    auto* helpLayout = new QVBoxLayout(fraUpdateHelp);
    helpLayout->addWidget(lblUpdateHelp);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdUpdate);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(pathRow);
    layout->addLayout(buttonRow);
    layout->addWidget(fraUpdateHelp);
    resize(480, 260);

    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    // Key preview: F1 pressed in any of the dialog's controls opens its topic.
    platform::bindF1(this, [this](int keyCode, int) { Form_KeyDown(keyCode); });

    Form_Load();
}

void frmUpdate::Form_Load()
{
    lblUpdateHelp->setText(
        QStringLiteral("Select the updated data file of the components sent by Corvane, click on Update button, "
                       "the standard component of the existing data file will be replaced by the standard "
                       "component of the updated data file but custom components of the existing data file "
                       "will remain same in the file. The name and format of the updated data file must be "
                       "same as existing data file."));
}

void frmUpdate::cmdBrowse_Click()
{
    platform::FileDialogRequest request;
    request.initDir = QDir::homePath();
    request.filter = QStringLiteral("TDR Files(*.dat)");
    const auto chosen = platform::ui().openFileName(request);
    if (!chosen)
        return; // a cancel ends Browse silently
    strFilePath = *chosen;
    txtFilePath->setText(strFilePath);
    if (!platform::fileExists(strFilePath))
        catalogue::ShowMessage(Msg::FileMissing);
}

void frmUpdate::cmdUpdate_Click()
{
    if (strFilePath.isEmpty()) {
        catalogue::ShowMessage(Msg::DefaultDataFileNotSelected);
        return;
    }
    const catalogue::KindFile* kind = catalogue::kindOfFileName(platform::fileNameOf(strFilePath));
    if (!kind) {
        catalogue::ShowMessage(Msg::DefaultDataFileNotSelected);
        return;
    }
    const auto answer = platform::ui().messageBox(
        QStringLiteral("Do you want to update the STANDARD component of existing data file with new "
                       "data file?"),
        QStringLiteral("TDR"), platform::MsgButtons::YesNo, platform::MsgIcon::None);
    if (answer != platform::MsgResult::Yes) {
        reject();
        return;
    }
    // The catalogue file of that name, whatever the letter case of either:
    // the very file its reader opens at the re-initialisation.
    const QString existing = catalogue::readerPath(m_, *kind);
    if (mergeFor(kind->kind)(m_, strFilePath, existing) && m_.frmMain) {
        MainWindowReinit* mainWindow = m_.frmMain;
        catalogue::runOrEndProgram(m_, [mainWindow] { mainWindow->Form_Load(); });
    }
    accept();
}

void frmUpdate::Form_KeyDown(int KeyCode)
{
    if (KeyCode == platform::kKeyF1)
        catalogue::ShowHelpTopic(catalogue::HelpFilePath(m_), QStringLiteral("Option Menu\\Update Data.htm"));
}
