#include "frmAbout.h"

#include "catalogue/SharedServices.h"
#include "platform/Named.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString mainwindow::versionText()
{
    return QStringLiteral("Version %1.%2").arg(TDR_VERSION_MAJOR).arg(TDR_VERSION_MINOR);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" About TDR"));
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(24, 20, 24, 16);
    lblVersion = platform::named<QLabel>("lblVersion");
    QFont f = lblVersion->font();
    f.setPointSizeF(f.pointSizeF() * 1.2);
    f.setBold(true);
    lblVersion->setFont(f);
    lay->addWidget(lblVersion);
    auto* info =
        new QLabel(QStringLiteral("Total dynamic head and flow per nozzle for the dispensing side of a fuel station."));
    info->setWordWrap(true);
    lay->addWidget(info);
    auto* row = new QHBoxLayout;
    row->addStretch();
    cmdAboutOK = platform::named<QPushButton>("cmdAboutOK", QStringLiteral("Ok"));
    cmdAboutOK->setDefault(true);
    row->addWidget(cmdAboutOK);
    lay->addLayout(row);
    connect(cmdAboutOK, &QPushButton::clicked, this, &frmAbout::cmdAboutOK_Click);
    setFixedWidth(360);
    Form_Load();
}

void frmAbout::Form_Load() { lblVersion->setText(kAppTitle + QStringLiteral(" ") + mainwindow::versionText()); }

void frmAbout::cmdAboutOK_Click() { accept(); }
