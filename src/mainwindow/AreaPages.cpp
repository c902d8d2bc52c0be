// The four area pages: page selection, the piping panels, the empty list
// boxes and the site-layout picture.
#include "frmMain.h"

#include "catalogue/Module1.h"
#include "platform/NumText.h"
#include "platform/TextFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>

void frmMain::cmdDispenser_Click() { ctl.tabMain->setCurrentIndex(0); }
void frmMain::cmdPiping_Click() { ctl.tabMain->setCurrentIndex(1); }
void frmMain::cmdPump_Click() { ctl.tabMain->setCurrentIndex(2); }
void frmMain::cmdSite_Click() { ctl.tabMain->setCurrentIndex(3); }

void frmMain::areaButton_LostFocus(int page, bool tabHeld, bool shiftHeld)
{
    if (shiftHeld)
        return;
    if (tabHeld)
        ctl.tabMain->setCurrentIndex(page);
}

void frmMain::optAdvance_Click()
{
    {
        const QSignalBlocker block(ctl.optBasic);
        ctl.optBasic->setChecked(false);
    }
    ctl.fraPipeInfo->setVisible(false);
    ctl.fraTrunk->setVisible(true);
    ctl.fraBranch->setVisible(true);
}

void frmMain::optBasic_Click()
{
    {
        const QSignalBlocker block(ctl.optAdvance);
        ctl.optAdvance->setChecked(false);
    }
    ctl.fraPipeInfo->setVisible(true);
    ctl.fraTrunk->setVisible(false);
    ctl.fraBranch->setVisible(false);
}

// The picture follows every change of the quantity and of the branches, by
// the user (a click, a key, the wheel) or by code.
void frmMain::cmbNoOfBranches_Click() { LoadSiteLayoutPicture(); }

void frmMain::cmbQuantity_Click() { LoadSiteLayoutPicture(); }

void frmMain::cmbQuantity_LostFocus() { LoadSiteLayoutPicture(); }

void frmMain::LoadSiteLayoutPicture()
{
    const int quantity = int(platform::leadingNumber(ctl.cmbQuantity->currentText()));
    const int branches = int(platform::leadingNumber(ctl.cmbNoOfBranches->currentText()));
    const QString file = m.programPath(QStringLiteral("Image/%1Pump%2Branch.jpg").arg(quantity).arg(branches));
    // A missing or unreadable picture leaves the box empty; the selection
    // stands. Read as the text files are, so a FIFO or device in its place
    // is never opened.
    QByteArray bytes;
    QPixmap picture;
    if (platform::readBytes(file, bytes) != platform::ReadStatus::Ok || !picture.loadFromData(bytes)) {
        ctl.PicSiteLayout->clear();
        return;
    }
    ctl.PicSiteLayout->setPixmap(
        picture.scaled(ctl.PicSiteLayout->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void frmMain::cmbNozzle_GotFocus()
{
    if (ctl.cmbNozzle->currentIndex() > 0) {
        ctl.lstDispensing->clear();
        ctl.lstDispensing->setVisible(true);
        ctl.lstDispensing->setEnabled(true);
    }
}

void frmMain::cmbHoseSize_GotFocus()
{
    if (ctl.cmbHoseSize->currentIndex() > 0) {
        ctl.lstDispensing->clear();
        ctl.lstDispensing->setVisible(false);
    }
}

void frmMain::cmbLeak_GotFocus()
{
    if (ctl.cmbLeak->currentIndex() > 0) {
        ctl.lstPump->clear();
        ctl.lstPump->setEnabled(true);
    }
}

void frmMain::cmbPumps_GotFocus()
{
    ctl.lstPump->clear();
    ctl.lstPump->setEnabled(true);
}
