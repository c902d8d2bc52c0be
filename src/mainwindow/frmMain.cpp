// The main window's construction: its controls, layout, tab order and the
// connections from Qt's signals and events to the handlers.
#include "frmMain.h"

#include "ScreenFit.h"

#include "editors/EditorModel.h"

#include "catalogue/Module1.h"
#include "hydraulics/Commands.h"
#include "platform/Chart.h"
#include "platform/FlexGrid.h"
#include "platform/Keys.h"
#include "platform/Named.h"
#include "platform/NumericField.h"
#include "platform/Twips.h"
#include "platform/WidgetEvents.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

using platform::ComboBox;
using platform::FlexGrid;
using platform::named;

namespace {

// Margins inside the window's frames and pages: tight enough that the window
// fits a 1366 x 768 screen with its task bar.
constexpr int kFrameMargin = 6;

// The area pages' tab control. Its tab bar stays hidden (the area buttons
// select the pages), but QTabWidget counts the bar in its size hints and in
// its height for a width: leave it out, so that the window needs only what
// the pages need. Its height is that of the tallest page: the height the
// user adds to the window goes to the results panel's chart and grids, not to
// empty page area.
//
// Its least size counts every page, those behind the front one too. Qt lays
// out again only what is shown: a change inside a page that is not in front
// (the piping panels switched by Open, New or Back To Baseline) leaves that
// page's layouts with the sizes of before, which may count panels hidden
// since, and the window would ask for that height until the page came to the
// front. So a page behind is laid out again at once, and the tab control
// tells the window its least size may have changed.
class AreaTabs : public QTabWidget {
public:
    QSize minimumSizeHint() const override
    {
        QSize s = QTabWidget::minimumSizeHint();
        if (!tabBar()->isVisibleTo(this))
            s.rheight() -= tabBar()->minimumSizeHint().height();
        return s;
    }
    QSize sizeHint() const override { return {QTabWidget::sizeHint().width(), minimumSizeHint().height()}; }
    bool hasHeightForWidth() const override { return false; }

protected:
    void tabInserted(int index) override
    {
        QTabWidget::tabInserted(index);
        QWidget* page = widget(index);
        page->installEventFilter(this);
        for (QWidget* w : page->findChildren<QWidget*>())
            w->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Qt has already laid out a shown widget for its request; a hidden
        // one's request would wait for its showing.
        if (event->type() == QEvent::LayoutRequest) {
            auto* w = static_cast<QWidget*>(watched);
            if (!w->isVisible() && w->layout()) {
                w->layout()->activate();
                // A page hidden behind the front one tells nobody by itself.
                if (indexOf(w) >= 0)
                    updateGeometry();
            }
        }
        return QTabWidget::eventFilter(watched, event);
    }
};

void tighten(QLayout* lay) { lay->setContentsMargins(kFrameMargin, 4, kFrameMargin, kFrameMargin); }

QLabel* caption(const QString& text, const char* name = nullptr)
{
    return name ? named<QLabel>(name, text) : new QLabel(text);
}

ComboBox* combo(const char* name, const QString& tip, int minWidth = 250)
{
    auto* c = named<ComboBox>(name);
    c->setToolTip(tip);
    c->setMinimumWidth(minWidth);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(18);
    return c;
}

QGroupBox* helpFrame(QLabel* label)
{
    auto* frame = new QGroupBox(QStringLiteral("Help"));
    auto* lay = new QVBoxLayout(frame);
    tighten(lay);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(p);
    lay->addWidget(label);
    lay->addStretch();
    frame->setFixedWidth(230);
    return frame;
}

// A page of the area tab control: its frame beside a Help frame with the
// page's help label. Returns the page and the frame's layout.
std::pair<QWidget*, QHBoxLayout*> areaPage(QGroupBox*& frame, const char* name, const QString& title, QLabel*& help,
                                           const char* helpName)
{
    auto* page = new QWidget;
    auto* pageLay = new QHBoxLayout(page);
    pageLay->setContentsMargins(4, 4, 4, 4);
    pageLay->setSpacing(6);
    frame = named<QGroupBox>(name, title);
    auto* lay = new QHBoxLayout(frame);
    tighten(lay);
    pageLay->addWidget(frame, 1);
    help = caption(QString(), helpName);
    pageLay->addWidget(helpFrame(help));
    return {page, lay};
}

// A row of a form: the caption and its input.
void formRow(QGridLayout* grid, int row, QWidget* label, QWidget* input, bool narrow = false)
{
    grid->addWidget(label, row, 0);
    if (narrow)
        grid->addWidget(input, row, 1, Qt::AlignLeft);
    else
        grid->addWidget(input, row, 1);
}

} // namespace

frmMain::frmMain(Module1& module, QWidget* parent) : QMainWindow(parent), m(module), m_settings(module, *this)
{
    setObjectName(QStringLiteral("frmMain"));
    m_events = new platform::WidgetEvents(this);
    m.frmMain = this;
    m.frmMainPiping = this;
    m.frmData = &m_settings;

    buildMenus();

    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 6);
    outer->setSpacing(4);
    // The results panel takes the height the user adds to the window.
    outer->addWidget(buildResultsPanel(), 1);

    // Area buttons above the pages, each bringing its page to the front.
    auto* areaRow = new QHBoxLayout;
    areaRow->setSpacing(2);
    ctl.cmdDispenser = named<QPushButton>("cmdDispenser", QStringLiteral("Dispensing Area"));
    ctl.cmdPiping = named<QPushButton>("cmdPiping", QStringLiteral("Piping Area"));
    ctl.cmdPump = named<QPushButton>("cmdPump", QStringLiteral("Pump Area"));
    ctl.cmdSite = named<QPushButton>("cmdSite", QStringLiteral("Site Layout"));
    // The pressed look marks the page in front. No exclusive button group:
    // Qt makes such a group one tab stop, and each area button must stay one.
    for (QPushButton* b : {ctl.cmdDispenser, ctl.cmdPiping, ctl.cmdPump, ctl.cmdSite}) {
        b->setCheckable(true);
        b->setMinimumWidth(130);
        b->setMinimumHeight(28);
        areaRow->addWidget(b);
    }
    areaRow->addStretch();
    ctl.lblMaxNozz = caption(QStringLiteral("Max no. of nozzles"), "lblMaxNozz");
    ctl.txtMaxNozz = named<QLineEdit>("txtMaxNozz", QStringLiteral("40"));
    ctl.txtMaxNozz->setFixedWidth(40);
    ctl.txtMaxNozz->setAlignment(Qt::AlignRight);
    areaRow->addWidget(ctl.lblMaxNozz);
    areaRow->addWidget(ctl.txtMaxNozz);
    outer->addLayout(areaRow);

    ctl.tabMain = named<AreaTabs>("tabMain");
    ctl.tabMain->addTab(buildDispensingPage(), QStringLiteral("Dispensing Area"));
    ctl.tabMain->addTab(buildPipingPage(), QStringLiteral("Piping Area"));
    ctl.tabMain->addTab(buildPumpPage(), QStringLiteral("Pump Area"));
    ctl.tabMain->addTab(buildSitePage(), QStringLiteral("Site Layout"));
    // The area buttons are the page selectors; the tab bar itself stays out of sight.
    ctl.tabMain->tabBar()->hide();
    ctl.tabMain->setDocumentMode(false);
    ctl.tabMain->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    outer->addWidget(ctl.tabMain);
    connect(ctl.tabMain, &QTabWidget::currentChanged, this, &frmMain::showAreaButtonPressed);
    showAreaButtonPressed();

    setCentralWidget(central);
    buildTabOrder();
    wireHandlers();
    // The size it opens at on a screen with room for it; on a smaller one its
    // first showing fits it, frame included, into the screen's room for
    // windows (never below the window's least size).
    resize(1200, 880);
    new mainwindow::FirstShowFit(*this);
}

frmMain::~frmMain()
{
    // No handler may run while the controls go.
    m_programEnded = true;
    delete m_events;
    m_events = nullptr;
    if (m.frmMain == this)
        m.frmMain = nullptr;
    if (m.frmMainPiping == this)
        m.frmMainPiping = nullptr;
    if (m.frmData == &m_settings)
        m.frmData = nullptr;
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto menu = [bar](const char* name, const QString& title) {
        auto* m = named<QMenu>(name, title, bar);
        bar->addMenu(m);
        return m;
    };
    auto item = [](QMenu* menu, const char* name, const QString& text) {
        auto* a = named<QAction>(name, text, menu);
        menu->addAction(a);
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        auto* s = named<QAction>(name, menu);
        s->setSeparator(true);
        menu->addAction(s);
    };
    ctl.mnuFile = menu("mnuFile", QStringLiteral("&File"));
    ctl.mnuNew = item(ctl.mnuFile, "mnuNew", QStringLiteral("&New"));
    ctl.mnuOpen = item(ctl.mnuFile, "mnuOpen", QStringLiteral("&Open"));
    ctl.mnuSave = item(ctl.mnuFile, "mnuSave", QStringLiteral("&Save"));
    ctl.mnuSaveas = item(ctl.mnuFile, "mnuSaveas", QStringLiteral("Sa&ve As"));
    separator(ctl.mnuFile, "mnuSeparator");
    ctl.mnuPrint = item(ctl.mnuFile, "mnuPrint", QStringLiteral("&Print"));
    ctl.mnuPreview = item(ctl.mnuFile, "mnuPreview", QStringLiteral("Print Pre&view"));
    separator(ctl.mnuFile, "mnuSeparator1");
    ctl.mnuExit = item(ctl.mnuFile, "mnuExit", QStringLiteral("&Exit"));

    ctl.mnuOptions = menu("mnuOptions", QStringLiteral("O&ptions"));
    ctl.mnuSite = item(ctl.mnuOptions, "mnuSite", QStringLiteral("Site P&roperties"));
    ctl.mnuData = item(ctl.mnuOptions, "mnuData", QStringLiteral("S&ystem Settings"));
    ctl.mnuDispenser = item(ctl.mnuOptions, "mnuDispenser", QStringLiteral("D&ispensers"));
    ctl.mnuDispOthers = item(ctl.mnuOptions, "mnuDispOthers", QStringLiteral("Dispe&nserOthers"));
    ctl.mnuNozzle = item(ctl.mnuOptions, "mnuNozzle", QStringLiteral("&Nozzles"));
    ctl.mnuDetector = item(ctl.mnuOptions, "mnuDetector", QStringLiteral("&Leak Detectors"));
    ctl.mnuBreakaway = item(ctl.mnuOptions, "mnuBreakaway", QStringLiteral("&Breakaways"));
    ctl.mnuPumpData = item(ctl.mnuOptions, "mnuPumpData", QStringLiteral("Pu&mps"));
    ctl.mnuPumpOthers = item(ctl.mnuOptions, "mnuPumpOthers", QStringLiteral("Pu&mpsOthers"));
    ctl.mnuHoseData = item(ctl.mnuOptions, "mnuHoseData", QStringLiteral("Hos&es"));
    ctl.mnuUpdate = item(ctl.mnuOptions, "mnuUpdate", QStringLiteral("&Update"));

    ctl.mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    ctl.mnuF1 = item(ctl.mnuHelp, "mnuF1", QStringLiteral("Help  F1"));
    ctl.mnuAbout = item(ctl.mnuHelp, "mnuAbout", QStringLiteral("&About TDR"));
}

QWidget* frmMain::buildResultsPanel()
{
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    auto* graphFrame = named<QGroupBox>("fraFlowGraph", QStringLiteral("Dynamic Flow Graph"));
    auto* graphLay = new QVBoxLayout(graphFrame);
    tighten(graphLay);
    graphLay->setSpacing(2);
    ctl.MSChart1 = named<platform::Chart>("MSChart1");
    ctl.MSChart1->setTitle(QStringLiteral("Dynamic Flow Graph"));
    ctl.MSChart1->setAxisTitle(0, QStringLiteral("Number of Nozzles Operating"));
    ctl.MSChart1->setAxisTitle(1, QStringLiteral("GPM per Nozzle"));
    // Never smaller than its design size of 4935 x 3495 twips.
    ctl.MSChart1->setMinimumSize(platform::px(4935), platform::px(3495));
    ctl.MSChart1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    graphLay->addWidget(ctl.MSChart1, 1);
    ctl.lblCurrentPump = caption(QString(), "lblCurrentPump");
    ctl.lblBaselinePump = caption(QString(), "lblBaselinePump");
    graphLay->addWidget(ctl.lblCurrentPump);
    graphLay->addWidget(ctl.lblBaselinePump);
    row->addWidget(graphFrame, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addSpacing(14);
    ctl.cmdCalculate = named<QPushButton>("cmdCalculate", QStringLiteral("Calculate"));
    ctl.BaseLine = named<QPushButton>("BaseLine", QStringLiteral("Make Baseline"));
    ctl.cmdBackToBaseLine = named<QPushButton>("cmdBackToBaseLine", QStringLiteral("Back To Baseline"));
    ctl.cmdDetails = named<QPushButton>("cmdDetails", QStringLiteral("Details"));
    for (QPushButton* b : {ctl.cmdCalculate, ctl.BaseLine, ctl.cmdBackToBaseLine, ctl.cmdDetails}) {
        b->setMinimumSize(128, 32);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    row->addLayout(buttons);

    ctl.tabCurrentBaseline = named<QTabWidget>("tabCurrentBaseline");
    ctl.flxCurrent = named<FlexGrid>("flxCurrent", 36, 3);
    ctl.flxBaseLine = named<FlexGrid>("flxBaseLine", 36, 3);
    for (FlexGrid* g : {ctl.flxCurrent, ctl.flxBaseLine})
        g->setFixedWidth(470);
    ctl.tabCurrentBaseline->addTab(ctl.flxCurrent, QStringLiteral("Current "));
    ctl.tabCurrentBaseline->addTab(ctl.flxBaseLine, QStringLiteral("BaseLine "));
    // The grids keep their width (their columns are laid out for it) and take
    // the height the window is given: more rows in sight.
    ctl.tabCurrentBaseline->setFixedWidth(480);
    row->addWidget(ctl.tabCurrentBaseline);
    return panel;
}

QLineEdit* frmMain::numericField(const char* name, int maxLength, bool decimal, const QString& text)
{
    auto* f = named<QLineEdit>(name, text);
    platform::makeNumericField(f, maxLength, decimal, *m_events);
    f->setFixedWidth(maxLength <= 2 ? 44 : 90);
    return f;
}

QWidget* frmMain::buildDispensingPage()
{
    auto [page, lay] = areaPage(ctl.fraDispensing, "fraDispensing", QStringLiteral("Dispensing Area"),
                                ctl.lblDispenserHelp, "lblDispenserHelp");

    ctl.frmSelectEquip = named<QGroupBox>("frmSelectEquip", QStringLiteral("Select Equipment"));
    auto* g = new QGridLayout(ctl.frmSelectEquip);
    g->setHorizontalSpacing(10);
    ctl.cmbDispenser = combo("cmbDispenser", QStringLiteral("Select the desired Dispenser from the combo box"));
    ctl.cmbBreakAway = combo("cmbBreakAway", QStringLiteral("Select the desired Breakaway from the combo box"));
    ctl.cmbHoseSize = combo("cmbHoseSize", QStringLiteral("Select the required hose size from the  combo box"));
    ctl.txtHoseLen = numericField("txtHoseLen", 5, true, QStringLiteral("0"));
    ctl.txtHoseLen->setToolTip(QStringLiteral("Enter the desired Hose Length "));
    ctl.cmbNozzle = combo("cmbNozzle", QStringLiteral("Select the desired Nozzle from the combo box"));
    ctl.cmbDispOthers = combo("cmbDispOthers", QStringLiteral("Select the Others component from the combo box"));
    ctl.lblHoseLength = caption(QStringLiteral("Hose Length(ft)"), "lblHoseLength");
    formRow(g, 0, caption(QStringLiteral("Dispenser")), ctl.cmbDispenser);
    formRow(g, 1, caption(QStringLiteral("Breakaway")), ctl.cmbBreakAway);
    formRow(g, 2, caption(QStringLiteral("Hose Size")), ctl.cmbHoseSize);
    formRow(g, 3, ctl.lblHoseLength, ctl.txtHoseLen, true);
    formRow(g, 4, caption(QStringLiteral("Nozzle")), ctl.cmbNozzle);
    formRow(g, 5, caption(QStringLiteral("Others")), ctl.cmbDispOthers);
    g->setRowStretch(6, 1);
    g->setColumnStretch(2, 1);
    lay->addWidget(ctl.frmSelectEquip, 1);

    auto* side = new QGridLayout;
    ctl.txtNoOfNozzle = numericField("txtNoOfNozzle", 2, false, QStringLiteral("8"));
    ctl.txtNoOfNozzle->setToolTip(QStringLiteral("Enter the No.of Nozzles required in Fuel Station"));
    side->addWidget(caption(QStringLiteral("No. of Nozzles")), 0, 0);
    side->addWidget(ctl.txtNoOfNozzle, 0, 1, Qt::AlignLeft);
    ctl.lstDispensing = named<QListWidget>("lstDispensing");
    ctl.lstDispensing->setFixedSize(200, 110);
    side->addWidget(ctl.lstDispensing, 1, 0, 1, 2);
    side->setRowStretch(2, 1);
    lay->addLayout(side);

    return page;
}

QWidget* frmMain::buildPipingPage()
{
    auto [page, lay] =
        areaPage(ctl.fraPiping, "fraPiping", QStringLiteral("Piping Area"), ctl.lblPipingHelp, "lblPipingHelp");

    ctl.fraSelect = named<QGroupBox>("fraSelect", QStringLiteral("Select Equipment"));
    auto* sel = new QGridLayout(ctl.fraSelect);
    ctl.cmbPiping = combo("cmbPiping", QStringLiteral("Select piping material to be used in Fuel Station"), 150);
    ctl.optBasic = named<QRadioButton>("optBasic", QStringLiteral("Basic"));
    ctl.optAdvance = named<QRadioButton>("optAdvance", QStringLiteral("Advance"));
    sel->addWidget(caption(QStringLiteral("Piping Type")), 0, 0, 1, 2);
    sel->addWidget(ctl.cmbPiping, 1, 0, 1, 2);
    sel->addWidget(ctl.optBasic, 2, 0);
    sel->addWidget(ctl.optAdvance, 2, 1);
    sel->setRowStretch(3, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(ctl.fraSelect);
    left->addStretch();
    lay->addLayout(left);
    // The Basic panel and the two Advance panels share the right-hand column.
    auto* right = new QVBoxLayout;
    lay->addLayout(right, 1);

    auto fittings = [this](QGridLayout* grid, int row, std::array<QLineEdit*, kFittingKinds>& boxes, const char* base,
                           const char* where) {
        static const char* const labels[4] = {"45", "90", "Thru T", "Side T"};
        static const char* const tips[4] = {
            "Enter the number of 45 elbows required in %1", "Enter the number of 90 elbows required in %1",
            "Enter the number of Thru T required in %1", "Enter the number of Side T required in %1"};
        auto* box = new QHBoxLayout;
        for (int k = 0; k < kFittingKinds; ++k) {
            const QByteArray name = platform::elementName(base, k).toLatin1();
            boxes[k] = numericField(name.constData(), 2, false, QStringLiteral("0"));
            boxes[k]->setToolTip(QString::fromLatin1(tips[k]).arg(QString::fromLatin1(where)));
            box->addWidget(caption(QString::fromLatin1(labels[k])));
            box->addWidget(boxes[k]);
        }
        box->addStretch();
        grid->addWidget(caption(QStringLiteral("Fittings")), row, 0);
        grid->addLayout(box, row, 1);
    };

    // One panel of a pipe: its size list and its length field with their labels.
    auto pipePanel = [this](const char* name, const QString& title, ComboBox*& size, const char* sizeName,
                            const QString& sizeTip, QLabel*& lengthLabel, const char* labelName,
                            const QString& labelText, QLineEdit*& length, const char* lengthName,
                            const QString& lengthTip) {
        auto* frame = named<QGroupBox>(name, title);
        auto* grid = new QGridLayout(frame);
        size = combo(sizeName, sizeTip, 120);
        lengthLabel = caption(labelText, labelName);
        length = numericField(lengthName, 6, true, QStringLiteral("0"));
        length->setToolTip(lengthTip);
        formRow(grid, 0, caption(QStringLiteral("Size")), size);
        formRow(grid, 1, lengthLabel, length, true);
        grid->setColumnStretch(2, 1);
        return std::pair{frame, grid};
    };

    QGridLayout* grid = nullptr;
    std::tie(ctl.fraPipeInfo, grid) =
        pipePanel("fraPipeInfo", QStringLiteral("PipeInfo"), ctl.cmbPipeSize, "cmbPipeSize",
                  QStringLiteral("Select the size of the Pipe to be used in Fuel Station"), ctl.lblPipeLen,
                  "lblPipeLen", QStringLiteral("Length (ft)"), ctl.txtPipeLen, "txtPipeLen",
                  QStringLiteral("Enter the length of the the pipe to be used"));
    right->addWidget(ctl.fraPipeInfo);

    std::tie(ctl.fraTrunk, grid) =
        pipePanel("fraTrunk", QStringLiteral("Trunk Info"), ctl.cmbTrunk, "cmbTrunk",
                  QStringLiteral("Select the size of the Trunk to be used in Fuel Station"), ctl.lblTrunkLength,
                  "lblTrunkLength", QStringLiteral(" Length(ft)"), ctl.txtTrunkLength, "txtTrunkLength",
                  QStringLiteral("Enter the length of the Trunk  to be used in Fuel Station"));
    fittings(grid, 2, ctl.txtTrunkFitting, "txtTrunkFitting", "Trunk");
    ctl.chkBall = named<QCheckBox>("chkBall", QStringLiteral("Ball Valve"));
    ctl.chkSwing = named<QCheckBox>("chkSwing", QStringLiteral("Swing Check"));
    auto* valves = new QHBoxLayout;
    valves->addWidget(ctl.chkBall);
    valves->addWidget(ctl.chkSwing);
    valves->addStretch();
    grid->addWidget(caption(QStringLiteral("Valves")), 3, 0);
    grid->addLayout(valves, 3, 1);
    right->addWidget(ctl.fraTrunk);

    std::tie(ctl.fraBranch, grid) =
        pipePanel("fraBranch", QStringLiteral("Branch Info"), ctl.cmbBranch, "cmbBranch",
                  QStringLiteral("Select the size of the Branch to be used in Fuel Station"), ctl.lblLength,
                  "lblLength", QStringLiteral(" Length(ft)"), ctl.txtBranchLength, "txtBranchLength",
                  QStringLiteral("Enter the length of the Branch to be used in Fuel Station"));
    fittings(grid, 2, ctl.txtBranchFitting, "txtBranchFitting", "Branch");
    right->addWidget(ctl.fraBranch);
    right->addStretch();

    return page;
}

QWidget* frmMain::buildPumpPage()
{
    auto [page, lay] = areaPage(ctl.fraPump, "fraPump", QStringLiteral("Pumping Area"), ctl.lblPumpHelp, "lblPumpHelp");

    auto* left = new QVBoxLayout;
    ctl.fraPumpSelect = named<QGroupBox>("fraPumpSelect", QStringLiteral("Select Equipment"));
    auto* g = new QGridLayout(ctl.fraPumpSelect);
    ctl.cmbPumps = combo("cmbPumps", QStringLiteral("Select the desired Pump from Available Pump combo box"));
    ctl.cmbQuantity = combo("cmbQuantity", QStringLiteral("Select the number of Pumps to be used"), 60);
    ctl.cmbQuantity->setMinimumContentsLength(3);
    ctl.opt50Hz = named<QRadioButton>("opt50Hz", QStringLiteral("50 Hz"));
    ctl.opt50Hz->setToolTip(QStringLiteral("50 Hz Pumps will be shown in the Available Pumps list"));
    ctl.opt60Hz = named<QRadioButton>("opt60Hz", QStringLiteral("60 Hz"));
    ctl.opt60Hz->setToolTip(QStringLiteral("60 Hz Pumps will be shown in the Available Pumps list"));
    ctl.cmbLeak = combo("cmbLeak", QStringLiteral("Select the desired Leak Detector from the combo box"));
    ctl.cmbPumpOthers = combo("cmbPumpOthers", QStringLiteral("Select the Other Pump related component"));
    g->addWidget(caption(QStringLiteral("Available Pumps")), 0, 0);
    g->addWidget(ctl.cmbPumps, 0, 1, 1, 3);
    g->addWidget(caption(QStringLiteral("Qty")), 1, 0);
    g->addWidget(ctl.cmbQuantity, 1, 1);
    g->addWidget(ctl.opt50Hz, 1, 2);
    g->addWidget(ctl.opt60Hz, 1, 3);
    g->addWidget(caption(QStringLiteral("Leak Detector:")), 2, 0);
    g->addWidget(ctl.cmbLeak, 2, 1, 1, 3);
    g->addWidget(caption(QStringLiteral("Other:")), 3, 0);
    g->addWidget(ctl.cmbPumpOthers, 3, 1, 1, 3);
    left->addWidget(ctl.fraPumpSelect);
    ctl.lstPump = named<QListWidget>("lstPump");
    ctl.lstPump->setFixedHeight(70);
    left->addWidget(ctl.lstPump);
    left->addStretch();
    lay->addLayout(left);

    auto* right = new QVBoxLayout;
    ctl.lblPumpCurve = caption(QStringLiteral("Pump Performance Curve"), "lblPumpCurve");
    QFont bold = ctl.lblPumpCurve->font();
    bold.setBold(true);
    ctl.lblPumpCurve->setFont(bold);
    right->addWidget(ctl.lblPumpCurve);
    ctl.MSChart2 = named<platform::Chart>("MSChart2");
    ctl.MSChart2->setTitle(QStringLiteral("Pump Performance Curve"));
    ctl.MSChart2->setMinimumSize(320, 200);
    right->addWidget(ctl.MSChart2, 1);
    auto* buttons = new QHBoxLayout;
    ctl.cmdUpdate = named<QPushButton>("cmdUpdate", QStringLiteral("Update Graph"));
    ctl.cmdPrintPump = named<QPushButton>("cmdPrintPump", QStringLiteral("Print"));
    buttons->addStretch();
    buttons->addWidget(ctl.cmdUpdate);
    buttons->addWidget(ctl.cmdPrintPump);
    right->addLayout(buttons);
    lay->addLayout(right, 1);

    return page;
}

QWidget* frmMain::buildSitePage()
{
    auto [page, lay] = areaPage(ctl.fraSite, "fraSite", QStringLiteral("Site Layout"), ctl.lblSiteHelp, "lblSiteHelp");

    ctl.PicSiteLayout = named<QLabel>("PicSiteLayout");
    // The pictures are 400 x 300; shown at nine tenths (the picture is scaled
    // to the box), the site page is no taller than the Advance piping panels.
    ctl.PicSiteLayout->setFixedSize(364, 274);
    ctl.PicSiteLayout->setFrameShape(QFrame::StyledPanel);
    ctl.PicSiteLayout->setAlignment(Qt::AlignCenter);
    ctl.PicSiteLayout->setAutoFillBackground(true);
    QPalette p = ctl.PicSiteLayout->palette();
    p.setColor(QPalette::Window, Qt::white);
    ctl.PicSiteLayout->setPalette(p);
    lay->addWidget(ctl.PicSiteLayout, 0, Qt::AlignTop);

    auto* g = new QGridLayout;
    ctl.lblTankDiameter = caption(QStringLiteral("Tank Diameter(in)"), "lblTankDiameter");
    ctl.txtTankDiameter = numericField("txtTankDiameter", 7, true, QStringLiteral("96"));
    ctl.txtTankDiameter->setToolTip(QStringLiteral("Enter the diameter of the Tank to be used"));
    ctl.lblBuryDepth = caption(QStringLiteral("Bury Depth(ft)"), "lblBuryDepth");
    ctl.txtBuryDepth = numericField("txtBuryDepth", 7, true, QStringLiteral("3"));
    ctl.txtBuryDepth->setToolTip(QStringLiteral("Enter the Bury Depth"));
    ctl.lblRise = caption(QStringLiteral("Rise(ft)"), "lblRise");
    ctl.txtRise = numericField("txtRise", 6, true, QStringLiteral("0"));
    ctl.txtRise->setToolTip(QStringLiteral("Enter the Rise value"));
    ctl.cmbNoOfBranches = combo("cmbNoOfBranches", QStringLiteral("Select the number of branches to be used"), 70);
    ctl.cmbNoOfBranches->setMinimumContentsLength(3);
    formRow(g, 0, ctl.lblTankDiameter, ctl.txtTankDiameter, true);
    formRow(g, 1, ctl.lblBuryDepth, ctl.txtBuryDepth, true);
    formRow(g, 2, ctl.lblRise, ctl.txtRise, true);
    formRow(g, 3, caption(QStringLiteral("No. of Branches")), ctl.cmbNoOfBranches, true);
    g->setRowStretch(4, 1);
    g->setColumnStretch(2, 1);
    lay->addLayout(g, 1);

    return page;
}

void frmMain::buildTabOrder()
{
    std::vector<QWidget*> order = {
        ctl.cmdCalculate,  ctl.BaseLine,    ctl.cmdBackToBaseLine, ctl.cmdDetails,    ctl.tabCurrentBaseline,
        ctl.flxCurrent,    ctl.flxBaseLine, ctl.cmdDispenser,      ctl.cmbDispenser,  ctl.cmbBreakAway,
        ctl.cmbHoseSize,   ctl.txtHoseLen,  ctl.cmbNozzle,         ctl.cmbDispOthers, ctl.txtNoOfNozzle,
        ctl.lstDispensing, ctl.cmdPiping,   ctl.cmbPiping,         ctl.optBasic,      ctl.optAdvance,
        ctl.cmbPipeSize,   ctl.txtPipeLen,  ctl.cmbTrunk,          ctl.txtTrunkLength};
    for (QLineEdit* f : ctl.txtTrunkFitting)
        order.push_back(f);
    order.insert(order.end(), {ctl.chkBall, ctl.chkSwing, ctl.cmbBranch, ctl.txtBranchLength});
    for (QLineEdit* f : ctl.txtBranchFitting)
        order.push_back(f);
    order.insert(order.end(),
                 {ctl.cmdPump, ctl.cmbPumps, ctl.cmbQuantity, ctl.opt50Hz, ctl.opt60Hz, ctl.cmbLeak, ctl.cmbPumpOthers,
                  ctl.lstPump, ctl.cmdUpdate, ctl.cmdPrintPump, ctl.cmdSite, ctl.txtTankDiameter, ctl.txtBuryDepth,
                  ctl.txtRise, ctl.cmbNoOfBranches, ctl.txtMaxNozz, ctl.MSChart1, ctl.tabMain, ctl.MSChart2});
    m_tabOrder = std::move(order);
}

void frmMain::showAreaButtonPressed()
{
    const std::array<QPushButton*, 4> areas = {ctl.cmdDispenser, ctl.cmdPiping, ctl.cmdPump, ctl.cmdSite};
    for (int page = 0; page < 4; ++page)
        areas[page]->setChecked(page == ctl.tabMain->currentIndex());
}

// The control that takes the focus for an entry of the tab order, or none
// when it cannot take it now (hidden, on a page not in front, disabled).
QWidget* frmMain::tabStop(QWidget* entry) const
{
    auto takes = [this](QWidget* w) {
        while (w->focusProxy())
            w = w->focusProxy();
        return w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
    };
    if (takes(entry))
        return entry;
    // A compound control (a chart) takes the focus in its inner view; a
    // container of other entries (the area pages) is no stop of its own.
    const QList<QWidget*> inner = entry->findChildren<QWidget*>();
    for (QWidget* w : inner)
        if (std::find(m_tabOrder.begin(), m_tabOrder.end(), w) != m_tabOrder.end())
            return nullptr;
    for (QWidget* w : inner)
        if (!w->focusProxy() && takes(w))
            return w;
    return nullptr;
}

// Tab and Shift+Tab walk the window's own order. Qt's focus chain is not
// used for it: setTabOrder splits that chain into separate cycles around the
// grids, charts and tab controls, which trapped the focus on one side.
bool frmMain::focusNextPrevChild(bool next)
{
    const int n = int(m_tabOrder.size());
    QWidget* focus = QApplication::focusWidget();
    int at = -1;
    int depth = -1;
    for (int i = 0; focus && i < n; ++i) {
        QWidget* e = m_tabOrder[i];
        if (e == focus) {
            at = i;
            break;
        }
        if (e->isAncestorOf(focus)) {
            int d = 0;
            for (QWidget* p = e; p; p = p->parentWidget())
                ++d;
            if (d > depth) {
                depth = d;
                at = i;
            }
        }
    }
    for (int step = 1; step <= n; ++step) {
        const int i = at < 0 ? (next ? step - 1 : n - step) : ((at + (next ? step : -step)) % n + n) % n;
        if (QWidget* target = tabStop(m_tabOrder[i])) {
            target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QMainWindow::focusNextPrevChild(next);
}

std::function<void()> frmMain::optionHandler(QRadioButton* button)
{
    if (button == ctl.optAdvance)
        return [this] { optAdvance_Click(); };
    if (button == ctl.optBasic)
        return [this] { optBasic_Click(); };
    if (button == ctl.opt50Hz)
        return [this] { opt50Hz_Click(); };
    if (button == ctl.opt60Hz)
        return [this] { opt60Hz_Click(); };
    return {};
}

void frmMain::selectOption(QRadioButton* button)
{
    {
        const QSignalBlocker block(button);
        button->setChecked(true);
    }
    if (auto handler = optionHandler(button))
        handler();
}

void frmMain::wireHandlers()
{
    // Menus: a click on a title first validates the fields quietly.
    connect(ctl.mnuFile, &QMenu::aboutToShow, this, &frmMain::mnuFile_Click);
    connect(ctl.mnuOptions, &QMenu::aboutToShow, this, &frmMain::mnuOptions_Click);
    connect(ctl.mnuHelp, &QMenu::aboutToShow, this, &frmMain::mnuHelp_Click);
    connect(ctl.mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(ctl.mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(ctl.mnuSave, &QAction::triggered, this, &frmMain::mnuSave_Click);
    connect(ctl.mnuSaveas, &QAction::triggered, this, &frmMain::mnuSaveas_Click);
    connect(ctl.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ctl.mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(ctl.mnuPreview, &QAction::triggered, this, &frmMain::mnuPreview_Click);
    connect(ctl.mnuSite, &QAction::triggered, this, &frmMain::mnuSite_Click);
    connect(ctl.mnuDispenser, &QAction::triggered, this, &frmMain::mnuDispenser_Click);
    connect(ctl.mnuDispOthers, &QAction::triggered, this, &frmMain::mnuDispOthers_Click);
    connect(ctl.mnuNozzle, &QAction::triggered, this, &frmMain::mnuNozzle_Click);
    connect(ctl.mnuDetector, &QAction::triggered, this, &frmMain::mnuDetector_Click);
    connect(ctl.mnuBreakaway, &QAction::triggered, this, &frmMain::mnuBreakaway_Click);
    connect(ctl.mnuPumpData, &QAction::triggered, this, &frmMain::mnuPumpData_Click);
    connect(ctl.mnuPumpOthers, &QAction::triggered, this, &frmMain::mnuPumpOthers_Click);
    connect(ctl.mnuHoseData, &QAction::triggered, this, &frmMain::mnuHoseData_Click);
    connect(ctl.mnuData, &QAction::triggered, this, &frmMain::mnuData_Click);
    connect(ctl.mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(ctl.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(ctl.mnuF1, &QAction::triggered, this, &frmMain::mnuF1_Click);
    platform::bindF1(this, [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); });

    // Commands.
    connect(ctl.cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(ctl.BaseLine, &QPushButton::clicked, this, &frmMain::BaseLine_Click);
    connect(ctl.cmdBackToBaseLine, &QPushButton::clicked, this, &frmMain::cmdBackToBaseLine_Click);
    connect(ctl.cmdDetails, &QPushButton::clicked, this, &frmMain::cmdDetails_Click);
    connect(ctl.cmdUpdate, &QPushButton::clicked, this, &frmMain::cmdUpdate_Click);
    connect(ctl.cmdPrintPump, &QPushButton::clicked, this, &frmMain::cmdPrintPump_Click);
    connect(ctl.MSChart1, &platform::Chart::pointSelected, this, [this](int series, int point) {
        hydraulics::MSChart1_PointSelected(m, *this, series, point);
        // Show the picked point's tip at once rather than at the next hover.
        if (!ctl.MSChart1->toolTip().isEmpty())
            QToolTip::showText(QCursor::pos(), ctl.MSChart1->toolTip(), ctl.MSChart1);
    });

    // Area buttons: a click shows the page; Tab leaving a button shows its
    // page before Qt picks the next control, so the focus lands on that
    // page's first input.
    const std::array<QPushButton*, 4> areas = {ctl.cmdDispenser, ctl.cmdPiping, ctl.cmdPump, ctl.cmdSite};
    const std::array<void (frmMain::*)(), 4> shows = {&frmMain::cmdDispenser_Click, &frmMain::cmdPiping_Click,
                                                      &frmMain::cmdPump_Click, &frmMain::cmdSite_Click};
    for (int page = 0; page < 4; ++page) {
        connect(areas[page], &QPushButton::clicked, this, [this, show = shows[page]] {
            (this->*show)();
            showAreaButtonPressed(); // a click on the pressed button must not release it
        });
        m_events->onKeyPress(areas[page], [this, page](QKeyEvent* e) {
            if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
                areaButton_LostFocus(page, true, e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier));
            return false;
        });
    }

    // Option buttons: a user's choice runs the handler of the option switched
    // on; the focus alone changes nothing (each pair is one tab stop, at the
    // option in force: platform::OptionButton).
    for (QRadioButton* b : {ctl.optAdvance, ctl.optBasic, ctl.opt50Hz, ctl.opt60Hz}) {
        connect(b, &QRadioButton::toggled, this, [this, b](bool on) {
            if (on)
                optionHandler(b)();
        });
    }

    // Selection lists: a user's choice and a choice made by code run the same handler.
    auto showsChoice = [](ComboBox* box) { return [box] { box->setToolTip(box->currentText()); }; };
    const std::pair<ComboBox*, std::function<void()>> clicks[] = {
        {ctl.cmbDispenser, showsChoice(ctl.cmbDispenser)},
        {ctl.cmbBreakAway, showsChoice(ctl.cmbBreakAway)},
        {ctl.cmbDispOthers, showsChoice(ctl.cmbDispOthers)},
        {ctl.cmbNozzle, showsChoice(ctl.cmbNozzle)},
        {ctl.cmbLeak, showsChoice(ctl.cmbLeak)},
        {ctl.cmbPumpOthers, showsChoice(ctl.cmbPumpOthers)},
        {ctl.cmbPumps, showsChoice(ctl.cmbPumps)},
        {ctl.cmbQuantity, [this] { cmbQuantity_Click(); }},
        {ctl.cmbNoOfBranches, [this] { cmbNoOfBranches_Click(); }},
    };
    for (const auto& [box, handler] : clicks) {
        box->list().setHandler(handler);
        connect(box, &QComboBox::activated, this, handler);
    }
    m_events->onLostFocus(ctl.cmbQuantity, [this](Qt::FocusReason) { cmbQuantity_LostFocus(); });
    m_events->onGotFocus(ctl.cmbNozzle, [this](Qt::FocusReason) { cmbNozzle_GotFocus(); });
    m_events->onGotFocus(ctl.cmbHoseSize, [this](Qt::FocusReason) { cmbHoseSize_GotFocus(); });
    m_events->onGotFocus(ctl.cmbLeak, [this](Qt::FocusReason) { cmbLeak_GotFocus(); });
    m_events->onGotFocus(ctl.cmbPumps, [this](Qt::FocusReason) { cmbPumps_GotFocus(); });

    // Entry fields: leaving one queues its check; a refusal takes the focus back.
    std::vector<QLineEdit*> fields = {ctl.txtNoOfNozzle,  ctl.txtHoseLen,      ctl.txtPipeLen,   ctl.txtBranchLength,
                                      ctl.txtTrunkLength, ctl.txtTankDiameter, ctl.txtBuryDepth, ctl.txtRise};
    fields.insert(fields.end(), ctl.txtTrunkFitting.begin(), ctl.txtTrunkFitting.end());
    fields.insert(fields.end(), ctl.txtBranchFitting.begin(), ctl.txtBranchFitting.end());
    for (QLineEdit* f : fields) {
        m_events->onLostFocus(f, [this, f](Qt::FocusReason) {
            if (m_returningFocus || m_programEnded)
                return;
            if (std::find(m_pendingFields.begin(), m_pendingFields.end(), f) == m_pendingFields.end())
                m_pendingFields.push_back(f);
            // The check may show a message: not from inside the focus change.
            QTimer::singleShot(0, this, [this] { checkPendingFields(); });
        });
    }

    // Summary grids.
    connect(ctl.tabCurrentBaseline, &QTabWidget::currentChanged, this, &frmMain::tabCurrentBaseline_Click);
    connect(ctl.flxCurrent, &FlexGrid::enterCell, this, &frmMain::flxCurrent_EnterCell);
    connect(ctl.flxBaseLine, &FlexGrid::enterCell, this, &frmMain::flxBaseLine_EnterCell);
    m_events->onKeyPress(ctl.tabCurrentBaseline->tabBar(), [this](QKeyEvent* e) {
        if (e->key() != Qt::Key_Tab || (e->modifiers() & Qt::ShiftModifier))
            return false;
        (ctl.tabCurrentBaseline->currentIndex() == 0 ? ctl.flxCurrent : ctl.flxBaseLine)->setFocus(Qt::TabFocusReason);
        return true;
    });
    m_events->onKeyPress(ctl.flxCurrent, [this](QKeyEvent* e) {
        if (e->key() != Qt::Key_Tab || (e->modifiers() & Qt::ShiftModifier))
            return false;
        ctl.cmdDispenser->setFocus(Qt::TabFocusReason);
        return true;
    });
    // Leaving the BaseLine grid with Shift held returns to the tab control.
    m_events->onKeyPress(ctl.flxBaseLine, [this](QKeyEvent* e) {
        if (e->key() != Qt::Key_Backtab && !(e->key() == Qt::Key_Tab && (e->modifiers() & Qt::ShiftModifier)))
            return false;
        ctl.tabCurrentBaseline->tabBar()->setFocus(Qt::BacktabFocusReason);
        return true;
    });
    m_events->onLostFocus(ctl.flxBaseLine, [this](Qt::FocusReason reason) {
        if (reason == Qt::BacktabFocusReason || (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier))
            QTimer::singleShot(0, this, [this] { ctl.tabCurrentBaseline->tabBar()->setFocus(Qt::OtherFocusReason); });
    });
}

// --- the calculation's view of the window ---

platform::ListControl& frmMain::cmbDispenser() { return ctl.cmbDispenser->list(); }
platform::ListControl& frmMain::cmbDispOthers() { return ctl.cmbDispOthers->list(); }
platform::ListControl& frmMain::cmbPumpOthers() { return ctl.cmbPumpOthers->list(); }
platform::ListControl& frmMain::cmbHoseSize() { return ctl.cmbHoseSize->list(); }
platform::ListControl& frmMain::cmbNozzle() { return ctl.cmbNozzle->list(); }
platform::ListControl& frmMain::cmbLeak() { return ctl.cmbLeak->list(); }
platform::ListControl& frmMain::cmbBreakAway() { return ctl.cmbBreakAway->list(); }
platform::ListControl& frmMain::cmbPumps() { return ctl.cmbPumps->list(); }
platform::ListControl& frmMain::cmbQuantity() { return ctl.cmbQuantity->list(); }
platform::ListControl& frmMain::cmbPiping() { return ctl.cmbPiping->list(); }
platform::ListControl& frmMain::cmbBranch() { return ctl.cmbBranch->list(); }
platform::ListControl& frmMain::cmbTrunk() { return ctl.cmbTrunk->list(); }
platform::ListControl& frmMain::cmbPipeSize() { return ctl.cmbPipeSize->list(); }
platform::ListControl& frmMain::cmbNoOfBranches() { return ctl.cmbNoOfBranches->list(); }
bool frmMain::opt50Hz() { return ctl.opt50Hz->isChecked(); }
bool frmMain::optAdvance() { return ctl.optAdvance->isChecked(); }
bool frmMain::optBasic() { return ctl.optBasic->isChecked(); }
int frmMain::chkBall() { return ctl.chkBall->isChecked() ? 1 : 0; }
int frmMain::chkSwing() { return ctl.chkSwing->isChecked() ? 1 : 0; }
QString frmMain::txtNoOfNozzle() { return ctl.txtNoOfNozzle->text(); }
QString frmMain::txtHoseLen() { return ctl.txtHoseLen->text(); }
QString frmMain::txtTrunkLength() { return ctl.txtTrunkLength->text(); }
QString frmMain::txtBranchLength() { return ctl.txtBranchLength->text(); }
QString frmMain::txtPipeLen() { return ctl.txtPipeLen->text(); }
QString frmMain::txtTrunkFitting(int index)
{
    return index >= 0 && index < kFittingKinds ? ctl.txtTrunkFitting[index]->text() : QString();
}
QString frmMain::txtBranchFitting(int index)
{
    return index >= 0 && index < kFittingKinds ? ctl.txtBranchFitting[index]->text() : QString();
}
QString frmMain::txtTankDiameter() { return ctl.txtTankDiameter->text(); }
QString frmMain::txtBuryDepth() { return ctl.txtBuryDepth->text(); }
QString frmMain::txtRise() { return ctl.txtRise->text(); }
SystemSettingsButtons& frmMain::frmData() { return m_settings; }
platform::Chart& frmMain::MSChart1() { return *ctl.MSChart1; }
platform::Chart& frmMain::MSChart2() { return *ctl.MSChart2; }
void frmMain::setLblCurrentPump(const QString& caption) { ctl.lblCurrentPump->setText(caption); }
void frmMain::setLblBaselinePump(const QString& caption) { ctl.lblBaselinePump->setText(caption); }
