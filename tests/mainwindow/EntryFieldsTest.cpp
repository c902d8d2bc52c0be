// The entry fields: key filters, paste guards, limits, the nozzle count and
// the quiet validation of the menu titles.
#include "MainWindowFixture.h"
#include "WidgetInput.h"

#include <QPushButton>

using widgetinput::showActive;
using widgetinput::typeKeys;
using widgetinput::typeOver;

namespace {
struct Limit {
    const char* field;
    void (frmMain::*check)();
    const char* usTop;  // accepted in US units
    const char* usOver; // refused in US units
    const char* usMessage;
    const char* metricTop;
    const char* metricOver;
    const char* metricMessage;
};

const Limit kLimits[] = {
    {"txtHoseLen", &frmMain::txtHoseLen_LostFocus, "999", "999.1", "Maximum Value can be entered is 999", "304.5",
     "304.6", "Maximum Value can be entered is 304.5"},
    {"txtPipeLen", &frmMain::txtPipeLen_LostFocus, "9999", "9999.1", "Maximum Value can be entered is 9999", "3047.7",
     "3047.8", "Maximum Value can be entered is 3047.7"},
    {"txtBranchLength", &frmMain::txtBranchLength_LostFocus, "9999", "10000", "Maximum Value can be entered is 9999",
     "3047.7", "3048", "Maximum Value can be entered is 3047.7"},
    {"txtTrunkLength", &frmMain::txtTrunkLength_LostFocus, "9999", "9999.5", "Maximum Value can be entered is 9999",
     "3047.7", "3047.8", "Maximum Value can be entered is 3047.7"},
    {"txtTankDiameter", &frmMain::txtTankDiameter_LostFocus, "9999", "9999.1", "Maximum Value can be entered is 9999",
     "25397.5", "25397.6", "Maximum Value can be entered is 25397.5"},
    {"txtBuryDepth", &frmMain::txtBuryDepth_LostFocus, "9999", "9999.1", "Maximum Value can be entered is 9999",
     "3047.7", "3047.8", "Maximum Value can be entered is 3047.7"},
    {"txtRise", &frmMain::txtRise_LostFocus, "9999", "9999.1", "Maximum Value can be entered is 9999", "3047.7",
     "3047.8", "Maximum Value can be entered is 3047.7"},
};
} // namespace

TEST_F(MainWindowTest, MeasureFieldsAcceptTheirLimitAndRefuseAnythingAbove)
{
    load();
    for (bool us : {true, false}) {
        m->objConfigureData->setUnits(us);
        for (const Limit& l : kLimits) {
            QLineEdit* f = field(l.field);
            ui.messages.clear();
            f->setText(us ? l.usTop : l.metricTop);
            (w.get()->*l.check)();
            EXPECT_TRUE(messages().empty()) << l.field;
            EXPECT_EQ(f->text(), us ? l.usTop : l.metricTop);

            f->setText(us ? l.usOver : l.metricOver);
            (w.get()->*l.check)();
            ASSERT_EQ(messages().size(), 1u) << l.field;
            EXPECT_EQ(messages()[0], QString::fromLatin1(us ? l.usMessage : l.metricMessage));
            EXPECT_EQ(ui.messages[0].buttons, platform::MsgButtons::OK);
            EXPECT_EQ(f->text(), us ? l.usOver : l.metricOver) << "a refused value stays";
            f->setText("0");
        }
    }
}

TEST_F(MainWindowTest, FieldsAreRewrittenAsTheirNumber)
{
    load();
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"007.50", "7.5"}, {".", "0"}, {".5", "0.5"}, {"12.", "12"}, {"", "0"}, {"100", "100"}};
    for (const auto& c : cases) {
        field("txtRise")->setText(c.in);
        w->txtRise_LostFocus();
        EXPECT_EQ(field("txtRise")->text(), c.out) << c.in;
    }
    field("txtBranchFitting_2")->setText("");
    w->txtBranchFitting_LostFocus(2);
    EXPECT_EQ(field("txtBranchFitting_2")->text(), "0");
    field("txtTrunkFitting_1")->setText("07");
    w->txtTrunkFitting_LostFocus(1);
    EXPECT_EQ(field("txtTrunkFitting_1")->text(), "7");
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowTest, RewrittenNumberLongerThanTheTypingLimitIsKeptWhole)
{
    load();
    // Five characters typed into the hose length read back as six.
    QLineEdit* hose = field("txtHoseLen");
    hose->clear();
    typeKeys(hose, ".5555");
    w->txtHoseLen_LostFocus();
    EXPECT_EQ(hose->text(), "0.5555");
    // The limit holds again for typing once the text is short enough.
    hose->setText("12");
    hose->end(false);
    typeKeys(hose, "3456");
    EXPECT_EQ(hose->text(), "12345");
    // A refused diameter converted to centimetres and back is not cut short.
    QLineEdit* tank = field("txtTankDiameter");
    tank->setText("99999");
    applySettings(0, true, false);
    EXPECT_EQ(tank->text(), "253997.5");
    applySettings(0, true, true);
    EXPECT_EQ(tank->text(), "99999");
}

TEST_F(MainWindowTest, KeyFiltersTakeDigitsAndOnePoint)
{
    load();
    QLineEdit* hose = field("txtHoseLen");
    hose->clear();
    typeKeys(hose, "1a2.3.-, 4");
    EXPECT_EQ(hose->text(), "12.34");
    typeKeys(hose, "\b");
    EXPECT_EQ(hose->text(), "12.3");
    // A "." typed over a selected "." is refused too: the test looks at the whole text.
    hose->setText("1.5");
    hose->setSelection(1, 1);
    typeKeys(hose, ".");
    EXPECT_EQ(hose->text(), "1.5");

    QLineEdit* nozzles = field("txtNoOfNozzle");
    nozzles->clear();
    typeKeys(nozzles, "1.2");
    EXPECT_EQ(nozzles->text(), "12");
    QLineEdit* fitting = field("txtBranchFitting_0");
    fitting->clear();
    typeKeys(fitting, "x9.");
    EXPECT_EQ(fitting->text(), "9");
    // The field's length limit holds for typed keys.
    QLineEdit* tank = field("txtTankDiameter");
    tank->clear();
    typeKeys(tank, "123456789");
    EXPECT_EQ(tank->text(), "1234567");
}

TEST_F(MainWindowTest, PastedTextMustPassTheSameRule)
{
    load();
    QLineEdit* hose = field("txtHoseLen");
    hose->setText("5");
    hose->selectAll();
    hose->insert("1x2"); // what a paste or a drop does
    EXPECT_EQ(hose->text(), "5");
    hose->selectAll();
    hose->insert("1.2.3");
    EXPECT_EQ(hose->text(), "5");
    hose->selectAll();
    hose->insert("12.5");
    EXPECT_EQ(hose->text(), "12.5");
    QLineEdit* nozzles = field("txtNoOfNozzle");
    nozzles->selectAll();
    nozzles->insert("\xd9\xa3"); // a digit of another script
    nozzles->insert("1.5");
    EXPECT_EQ(nozzles->text(), "8");
    nozzles->selectAll();
    nozzles->insert("123");
    EXPECT_EQ(nozzles->text(), "12"); // two characters at most
}

TEST_F(MainWindowTest, NozzleCountChecks)
{
    load();
    QLineEdit* f = field("txtNoOfNozzle");
    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"", "Field cannot be empty"},
        {"0", "Number of nozzles can not be zero please enter other number"},
        {"00", "Number of nozzles can not be zero please enter other number"},
        {"41", "Value should be less than or equal to 40"},
    };
    for (const auto& r : refused) {
        ui.messages.clear();
        f->setText(r.text);
        w->txtNoOfNozzle_LostFocus();
        ASSERT_EQ(messages().size(), 1u) << r.text;
        EXPECT_EQ(messages()[0], r.message);
        EXPECT_EQ(m->intNozzlesEntered, 8);
        EXPECT_EQ(m->intPlotNozzles, 10);
    }
    const struct {
        const char* text;
        int plot;
    } accepted[] = {{"7", 8}, {"08", 10}, {"40", 42}, {"1", 2}};
    int before = m->intPlotNozzles;
    for (const auto& a : accepted) {
        ui.messages.clear();
        f->setText(a.text);
        w->txtNoOfNozzle_LostFocus();
        EXPECT_TRUE(messages().empty()) << a.text;
        EXPECT_EQ(m->intPlotNozzles, a.plot) << a.text;
        EXPECT_EQ(w->mintPlottedNozzles(), before) << a.text;
        EXPECT_EQ(m->sngCurrentGPM.size(), size_t(a.plot + 1));
        before = a.plot;
    }
    EXPECT_EQ(f->text(), "1");
}

TEST_F(MainWindowTest, NoCountIsAcceptedWithAMaximumOfZero)
{
    writeIni({"0", "6", "True", "True", "A"});
    load();
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "0");
    field("txtNoOfNozzle")->setText("1");
    w->txtNoOfNozzle_LostFocus();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Value should be less than or equal to 0");
}

TEST_F(MainWindowTest, LeavingTheNozzleFieldWithTheSameCountKeepsTheResults)
{
    load();
    m->sngCurrentGPM[3] = 12.3f;
    m->sngBaselineGPM[3] = 14.1f;
    field("txtNoOfNozzle")->setText("08");
    w->txtNoOfNozzle_LostFocus();
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "8");
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[3], 12.3f);
    EXPECT_FLOAT_EQ(m->sngBaselineGPM[3], 14.1f);
    // A new count clears them until the next Calculate.
    field("txtNoOfNozzle")->setText("9");
    w->txtNoOfNozzle_LostFocus();
    EXPECT_EQ(m->sngCurrentGPM.size(), 11u);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[3], 0.0f);
    EXPECT_FLOAT_EQ(m->sngBaselineGPM[3], 0.0f);
    EXPECT_EQ(m->intNozzlesEntered, 9);
    // Results sized for another count than the one entered (an opened site
    // file sets the rows from its own count and leaves the count entered):
    // an accepted count sizes them anew even when it equals the last one.
    m->intPlotNozzles = 14;
    m->SizeResults();
    w->txtNoOfNozzle_LostFocus();
    EXPECT_EQ(m->intPlotNozzles, 10);
    EXPECT_EQ(m->sngCurrentGPM.size(), 11u);
    EXPECT_EQ(w->mintPlottedNozzles(), 14);
}

TEST_F(MainWindowTest, MenuTitleValidatesQuietlyAndCorrectsABadCount)
{
    load();
    field("txtNoOfNozzle")->setText("0");
    w->mnuFile_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "1");
    EXPECT_EQ(m->intNozzlesEntered, 8);
    // A valid count is left as it is.
    field("txtNoOfNozzle")->setText("5");
    w->mnuHelp_Click();
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "5");
    // The lengths are normalised on the way.
    field("txtHoseLen")->setText("007.50");
    w->mnuOptions_Click();
    EXPECT_EQ(field("txtHoseLen")->text(), "7.5");
}

TEST_F(MainWindowTest, MenuTitleShowsEveryRefusalAndTheFocusEndsInTheLast)
{
    load();
    showActive(*w);
    field("txtHoseLen")->setText("1000");
    field("txtRise")->setText("10000");
    w->mnuFile_Click();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0], "Maximum Value can be entered is 999");
    EXPECT_EQ(messages()[1], "Maximum Value can be entered is 9999");
    EXPECT_EQ(QApplication::focusWidget(), field("txtRise"));
    EXPECT_EQ(control<QTabWidget>("tabMain")->currentIndex(), 3);
    // Bringing the rise's page to the front hid the hose field that held the
    // focus: that is no leaving of the field, and no check may follow it
    // (the two checks would take the focus from each other without end).
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), field("txtRise"));
}

TEST_F(MainWindowTest, RefusedValueNeverReachesACalculation)
{
    load();
    showActive(*w);
    QLineEdit* hose = field("txtHoseLen");
    typeOver(hose, "1234");
    // Calculate pressed while the field still has the focus.
    w->cmdCalculate_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Maximum Value can be entered is 999");
    EXPECT_TRUE(m->blnSaved) << "Calculate must not have run";

    // The focus leaves the field for the button: the check is pending when
    // the click arrives, and holds the command up again.
    w->findChild<QPushButton*>("cmdCalculate")->setFocus(Qt::MouseFocusReason);
    w->BaseLine_Click();
    EXPECT_EQ(messages().size(), 2u);
    QApplication::processEvents();
    EXPECT_EQ(messages().size(), 2u) << "the pending check ran once";
    EXPECT_EQ(QApplication::focusWidget(), hose);
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(messages().size(), 3u);

    // Once corrected, the command runs.
    hose->setText("12");
    w->txtHoseLen_LostFocus();
    w->cmdCalculate_Click();
    EXPECT_EQ(messages().size(), 3u);
    EXPECT_FALSE(m->blnSaved);
}

TEST_F(MainWindowTest, LeavingAFieldChecksItOnce)
{
    load();
    showActive(*w);
    QLineEdit* rise = field("txtRise");
    w->cmdSite_Click();
    rise->setFocus();
    rise->setText("0012");
    field("txtBuryDepth")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(rise->text(), "12");
    rise->setFocus();
    rise->setText("10000");
    field("txtBuryDepth")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), rise);
    EXPECT_EQ(rise->text(), "10000");
}
