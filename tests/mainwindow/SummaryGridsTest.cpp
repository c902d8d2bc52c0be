// The Current and BaseLine summary grids.
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <map>

namespace {
const QColor kGrey(204, 204, 204);
} // namespace

TEST_F(MainWindowTest, GridsHoldTheThirtySixRowsOfAKnownConfiguration)
{
    load();
    list("cmbHoseSize")->list().setListIndex(2);
    field("txtHoseLen")->setText("12.5");
    field("txtNoOfNozzle")->setText("6");
    field("txtBranchLength")->setText("80");
    for (int k = 0; k < 4; ++k) {
        w->ctl.txtBranchFitting[k]->setText(QString::number(k + 1));
        w->ctl.txtTrunkFitting[k]->setText(QString::number(k + 5));
    }
    field("txtTrunkLength")->setText("150");
    control<QCheckBox>("chkBall")->setChecked(true);
    field("txtPipeLen")->setText("40");
    list("cmbQuantity")->list().setListIndex(1);
    field("txtTankDiameter")->setText("120");
    field("txtBuryDepth")->setText("4");
    field("txtRise")->setText("2.5");
    list("cmbNoOfBranches")->list().setListIndex(2);
    w->FillCurrentGrid();
    w->FillBaseLineGrid();

    const QStringList current[36] = {
        {"Equipment Type", "           Unit Selected ", "No."},
        {"Dispenser ", "Retail Dispenser", "1"},
        {"Breakaway ", "Breakaway 3/4 in", "1"},
        {"HoseSize", "3/4", "1"},
        {"HoseLen(ft)", "12.5", "1"},
        {"Nozzle ", "Automatic Nozzle 3/4 in", "1"},
        {"DispOthers ", "Shear Valve 1 1/2 in", "1"},
        {"NoOfNozzles ", " ", "6"},
        {"PipingType ", "Steel", " "},
        {"BranchSize  ", "1 1/2 in", " "},
        {"BranchLen(ft)", "80", " "},
        {"Branch45Elbow  ", " ", "1"},
        {"Branch90Elbow  ", " ", "2"},
        {"BranchThruT  ", " ", "3"},
        {"BranchSideT  ", " ", "4"},
        {"TrunkSize  ", "1 1/2 in", " "},
        {"TrunkLen(ft)", "150", " "},
        {"Trunk45Elbow  ", " ", "5"},
        {"Trunk90Elbow  ", " ", "6"},
        {"TrunkThruT  ", " ", "7"},
        {"TrunkSideT  ", " ", "8"},
        {"ValveType ", "BallValve", " "},
        {"AdvOrBasic ", "Advance", " "},
        {"PipeSize", "1 1/2 in", " "},
        {"PipeLen(ft)", "40", " "},
        {"Pump ", "STP 1/3 HP 60Hz", " "},
        {"PumpQuantity ", " ", "2"},
        {"50Or60HzPumps ", "60Hz Pump ", " "},
        {"LeakDetector ", "Mechanical Leak Detector", "1"},
        {"PumpOthers ", "Flexible Connector 2 in", "1"},
        {"TankDia(inch)", " ", "120"},
        {"BuryDepth(ft)", " ", "4"},
        {"Rise(ft)", " ", "2.5"},
        {"NoOfBranches ", " ", "3"},
        {"GasOrDiesel", "Gas", " "},
        {"ComponentList", "American", " "},
    };
    platform::FlexGrid& cur = grid("flxCurrent");
    platform::FlexGrid& base = grid("flxBaseLine");
    EXPECT_EQ(cur.Rows(), 36);
    EXPECT_EQ(cur.Cols(), 3);
    for (int r = 0; r < 36; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(cur.TextMatrix(r, c), current[r][c]) << r << "," << c;
    // The BaseLine grid differs in a few labels and in the fuel text.
    const std::map<std::pair<int, int>, QString> baselineDiffers = {
        {{3, 0}, "HoseSize "},    {{7, 0}, "NoOfNozzles"},  {{17, 0}, "Trunk45Elbow "}, {{18, 0}, "Trunk90Elbow "},
        {{19, 0}, "TrunkThruT "}, {{20, 0}, "TrunkSideT "}, {{23, 0}, "PipeSize "},     {{34, 1}, "Gas "}};
    for (int r = 0; r < 36; ++r) {
        for (int c = 0; c < 3; ++c) {
            auto it = baselineDiffers.find({r, c});
            EXPECT_EQ(base.TextMatrix(r, c), it == baselineDiffers.end() ? current[r][c] : it->second) << r << "," << c;
        }
    }
    // Advance: the Basic pipe rows are grey, the branch, trunk and valve rows normal.
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(cur.cellForeColor(23, c), kGrey);
        EXPECT_EQ(cur.cellForeColor(24, c), kGrey);
        EXPECT_NE(cur.cellForeColor(9, c), kGrey);
        EXPECT_NE(cur.cellForeColor(21, c), kGrey);
    }
    EXPECT_EQ(cur.Row(), 24);
    EXPECT_EQ(cur.Col(), 2);
}

TEST_F(MainWindowTest, GridRowsFollowValvesModeFuelAndUnits)
{
    load();
    const struct {
        bool ball, swing;
        const char* text;
    } valves[] = {{true, true, "BallValve and SwingCheck"},
                  {false, true, "SwingCheck"},
                  {true, false, "BallValve"},
                  {false, false, "None"}};
    for (const auto& v : valves) {
        control<QCheckBox>("chkBall")->setChecked(v.ball);
        control<QCheckBox>("chkSwing")->setChecked(v.swing);
        w->FillCurrentGrid();
        EXPECT_EQ(grid("flxCurrent").TextMatrix(21, 1), v.text);
    }

    // Basic mode greys the branch, trunk and valve rows in the Current grid only.
    control<QRadioButton>("optBasic")->click();
    w->FillCurrentGrid();
    platform::FlexGrid& cur = grid("flxCurrent");
    EXPECT_EQ(cur.TextMatrix(22, 1), "Basic");
    for (int r = 9; r <= 21; ++r)
        EXPECT_EQ(cur.cellForeColor(r, 0), kGrey) << r;
    EXPECT_NE(cur.cellForeColor(23, 1), kGrey);
    EXPECT_EQ(grid("flxBaseLine").cellForeColor(23, 1), kGrey);

    // Metric, diesel, Commercial: labels and settings rows of the next fill.
    applySettings(2, false, false);
    EXPECT_EQ(cur.TextMatrix(4, 0), "HoseLen(ft)") << "the grids keep what they show until their next fill";
    w->FillCurrentGrid();
    w->FillBaseLineGrid();
    const struct {
        int row;
        const char* current;
        const char* baseline;
    } metric[] = {{4, "HoseLength(m)", "HoseLen(m)"}, {10, "BranchLen(m)", "BranchLen(m)"},
                  {16, "TrunkLen(m)", "TrunkLen(m)"}, {24, "PipeLen(m)", "PipeLen(m)"},
                  {30, "TankDia(cm)", "TankDia(cm)"}, {31, "BuryDepth(m)", "BuryDepth(m)"},
                  {32, "Rise(m)", "Rise(m)"}};
    for (const auto& r : metric) {
        EXPECT_EQ(cur.TextMatrix(r.row, 0), r.current);
        EXPECT_EQ(grid("flxBaseLine").TextMatrix(r.row, 0), r.baseline);
    }
    EXPECT_EQ(cur.TextMatrix(30, 2), "243.8"); // the field as shown, not converted again
    EXPECT_EQ(cur.TextMatrix(34, 1), "Diesel");
    EXPECT_EQ(cur.TextMatrix(35, 1), "Commercial");
}

TEST_F(MainWindowTest, CellToolTipAndPageSynchronisation)
{
    load();
    platform::FlexGrid& cur = grid("flxCurrent");
    platform::FlexGrid& base = grid("flxBaseLine");
    cur.setRow(1);
    cur.setCol(1);
    EXPECT_EQ(cur.toolTip(), "Retail Dispenser");
    cur.setCol(2);
    EXPECT_EQ(cur.toolTip(), "1");
    cur.setRow(11);
    cur.setCol(1);
    EXPECT_EQ(cur.toolTip(), "") << "a single blank shows no tool tip";

    cur.setRow(12);
    cur.setCol(2);
    control<QTabWidget>("tabCurrentBaseline")->setCurrentIndex(1);
    EXPECT_EQ(base.Row(), 12);
    EXPECT_EQ(base.Col(), 2);
    base.setRow(30);
    base.setCol(1);
    control<QTabWidget>("tabCurrentBaseline")->setCurrentIndex(0);
    EXPECT_EQ(cur.Row(), 30);
    EXPECT_EQ(cur.Col(), 1);
}
