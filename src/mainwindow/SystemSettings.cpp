// The System Settings dialog and what its OK does to the main window.
#include "frmData.h"
#include "frmMain.h"

#include "catalogue/ComponentLists.h"
#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/UnitConversion.h"
#include "catalogue/clsConfigureData.h"
#include "hydraulics/Commands.h"
#include "platform/Chart.h"
#include "platform/Keys.h"
#include "platform/Named.h"
#include "platform/NumText.h"
#include "platform/NumericField.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using platform::named;

frmData::frmData(Module1& module, frmMain& main, mainwindow::SystemSettingsLink& link)
    : QDialog(&main), m(module), m_main(main), m_link(link)
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("System Settings"));
    auto* lay = new QVBoxLayout(this);
    lblDataLocalization =
        named<QLabel>("lblDataLocalization", QStringLiteral("Select the options for loading data in the site areas"));
    lay->addWidget(lblDataLocalization);

    auto frame = [&](const QString& title, const char* name,
                     std::initializer_list<std::pair<QRadioButton**, std::pair<const char*, QString>>> options) {
        auto* box = named<QGroupBox>(name, title);
        auto* v = new QVBoxLayout(box);
        for (const auto& [member, text] : options) {
            *member = named<QRadioButton>(text.first, text.second);
            v->addWidget(*member);
        }
        v->addStretch();
        return box;
    };
    auto* row = new QHBoxLayout;
    fraComponent = frame(QStringLiteral("Component List"), "fraComponent",
                         {{&optAmerican, {"optAmerican", catalogue::componentListName(0)}},
                          {&optInternational, {"optInternational", catalogue::componentListName(1)}},
                          {&optCommercial, {"optCommercial", catalogue::componentListName(2)}}});
    fraData =
        frame(QStringLiteral("Data"), "fraData",
              {{&optGas, {"optGas", QStringLiteral("Gas")}}, {&optDiesel, {"optDiesel", QStringLiteral("Diesel")}}});
    fraUnits =
        frame(QStringLiteral("Units"), "fraUnits",
              {{&optUS, {"optUS", QStringLiteral("US")}}, {&optMetric, {"optMetric", QStringLiteral("Metric")}}});
    row->addWidget(fraComponent);
    row->addWidget(fraData);
    row->addWidget(fraUnits);
    lay->addLayout(row);

    fraHelp = named<QGroupBox>("fraHelp", QStringLiteral("Help"));
    auto* hl = new QVBoxLayout(fraHelp);
    lblHelp = named<QLabel>("lblHelp");
    lblHelp->setWordWrap(true);
    hl->addWidget(lblHelp);
    lay->addWidget(fraHelp);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOk = named<QPushButton>("cmdOk", QStringLiteral("OK"));
    cmdOk->setDefault(true);
    cmdCancel = named<QPushButton>("cmdCancel", QStringLiteral("Cancel"));
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    lay->addLayout(buttons);
    setFixedWidth(470);

    connect(cmdOk, &QPushButton::clicked, this, &frmData::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmData::cmdCancel_Click);
    platform::bindF1(this, [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); });
}

void frmData::Form_Load()
{
    if (const clsConfigureData* c = m.objConfigureData.get()) {
        (c->Data() ? optGas : optDiesel)->setChecked(true);
        (c->Units() ? optUS : optMetric)->setChecked(true);
        // A code of no list checks the first list.
        const uint8_t list = c->ComponentList();
        componentListOptions()[list < kComponentListCount ? list : 0]->setChecked(true);
    }
    lblHelp->setText(
        QStringLiteral("All the operations of TDR will be performed on the basis of the")
        + QStringLiteral(" selection of Component List, Data and Units. If user select")
        + QStringLiteral(" American in Component List, Gas in Data and US in Units, in all the")
        + QStringLiteral(
            " site area the component which is having American component list and Gas type will be shown"));
    // The layout sized the dialog before the help text wrapped into its
    // lines: give it the height that its fixed width needs now.
    setFixedHeight(heightForWidth(width()));
}

void frmData::cmdOk_Click()
{
    m_main.RefreshComponentLists();
    if (clsConfigureData* c = m.objConfigureData.get()) {
        c->setData(optGas->isChecked());
        c->setComponentList(checkedComponentList());
        c->setUnits(optUS->isChecked());
    }
    if (optUS->isChecked() && m.blnMetricUnitsShown)
        m_main.ConvertLengthFields(true);
    if (optMetric->isChecked() && m.blnUSUnitsShown)
        m_main.ConvertLengthFields(false);
    if (!m.blnGraphEmpty)
        m_main.RedrawFlowGraph();
    accept();
    m_link.unload();
}

std::array<QRadioButton*, kComponentListCount> frmData::componentListOptions() const
{
    return {optAmerican, optInternational, optCommercial};
}

uint8_t frmData::checkedComponentList() const
{
    // The last list's button is not read: with no button checked, that list.
    const auto options = componentListOptions();
    for (int list = 0; list + 1 < kComponentListCount; ++list)
        if (options[size_t(list)]->isChecked())
            return uint8_t(list);
    return uint8_t(kComponentListCount - 1);
}

void frmData::cmdCancel_Click() { reject(); }

void frmData::reject()
{
    QDialog::reject();
    m_link.unload();
}

void frmData::Form_KeyDown(int keyCode, int)
{
    if (keyCode == platform::kKeyF1)
        catalogue::ShowHelpTopic(catalogue::HelpFilePath(m), QStringLiteral("Option Menu\\System Settings.htm"));
}

// --- the link ---

namespace mainwindow {

SystemSettingsLink::~SystemSettingsLink() { delete m_dialog.data(); }

frmData& SystemSettingsLink::dialog()
{
    if (!m_dialog) {
        m_dialog = new frmData(m, m_main, *this);
        m_dialog->Form_Load();
    }
    return *m_dialog;
}

void SystemSettingsLink::unload()
{
    if (frmData* d = m_dialog.data()) {
        m_dialog.clear();
        d->hide();
        // Destroyed once the event that is running its handler has finished.
        d->deleteLater();
    }
}

bool SystemSettingsLink::optGas() { return dialog().optGas->isChecked(); }
bool SystemSettingsLink::optDiesel() { return dialog().optDiesel->isChecked(); }
bool SystemSettingsLink::optUS() { return dialog().optUS->isChecked(); }
bool SystemSettingsLink::optMetric() { return dialog().optMetric->isChecked(); }
bool SystemSettingsLink::optAmerican() { return dialog().optAmerican->isChecked(); }
bool SystemSettingsLink::optInternational() { return dialog().optInternational->isChecked(); }
bool SystemSettingsLink::optCommercial() { return dialog().optCommercial->isChecked(); }

} // namespace mainwindow

// --- what the OK does to the main window ---

std::array<frmMain::LengthField, 7> frmMain::lengthFields() const
{
    return {{
        {ctl.txtHoseLen, ctl.lblHoseLength, "Hose length(ft)", "Hose Length(m)", kFeetToMetres, 999, 304.5},
        {ctl.txtBranchLength, ctl.lblLength, "Length(ft)", "Length(m)", kFeetToMetres, 9999, 3047.7},
        {ctl.txtTrunkLength, ctl.lblTrunkLength, "Length(ft)", "Length(m)", kFeetToMetres, 9999, 3047.7},
        {ctl.txtPipeLen, ctl.lblPipeLen, "Length(ft)", "Length(m)", kFeetToMetres, 9999, 3047.7},
        {ctl.txtBuryDepth, ctl.lblBuryDepth, "Bury Depth(ft)", "Bury Depth(m)", kFeetToMetres, 9999, 3047.7},
        {ctl.txtRise, ctl.lblRise, "Rise(ft)", "Rise(m)", kFeetToMetres, 9999, 3047.7},
        {ctl.txtTankDiameter, ctl.lblTankDiameter, "Tank Diameter(inch)", "Tank Diameter(cm)", kInchesToCentimetres,
         9999, 25397.5},
    }};
}

void frmMain::ConvertLengthFields(bool toUS)
{
    for (const LengthField& l : lengthFields()) {
        const double x = platform::leadingNumber(l.field->text());
        const double y = toUS ? platform::roundHalfEven1(x / l.factor) : platform::roundHalfEven1(x * l.factor);
        platform::writeField(l.field, platform::doubleToText(y));
        l.label->setText(QString::fromLatin1(toUS ? l.us : l.metric));
    }
    m.blnUSUnitsShown = toUS;
    m.blnMetricUnitsShown = !toUS;
}

void frmMain::RedrawFlowGraph() { hydraulics::FlowGraphUnitsRedraw(m, *ctl.MSChart1); }
