// File Save, Save As, New and Open over the real main window: a site written
// and read back, and the commands' answers to existing names and failed writes.
#include "FileSizeLimit.h"
#include "SiteFileSupport.h"
#include "WidgetInput.h"

#include "catalogue/clsSiteProperties.h"
#include "platform/Chart.h"

using widgetinput::showActive;

namespace {

// The inputs the baseline snapshot holds, as texts.
QStringList snapshotText(const typInputSnapshot& s)
{
    QStringList out;
    for (const ListPick* p : {&s.bytDispenser, &s.bytBreakaway, &s.bytHoseSize, &s.bytNozzle, &s.bytDispOthers,
                              &s.bytPiping, &s.bytBranchSize, &s.bytTrunkSize, &s.bytPump, &s.bytPumpQuantity,
                              &s.bytLeakDetector, &s.bytBranches, &s.bytPumpOthers, &s.bytPipeSize})
        out << QString::number(p->pos) + ":" + p->text;
    out << s.strHoseLength << s.strBranchLength << s.strTrunkLength << s.strTankDiameter << s.strBuryDepth << s.strRise
        << s.strPipeLength;
    for (int k = 0; k < kFittingKinds; ++k)
        out << s.strBranchFitting[size_t(k)] << s.strTrunkFitting[size_t(k)];
    out << QString::number(s.bytBasic) << QString::number(s.bytAdvance) << QString::number(int(s.blnGas))
        << QString::number(int(s.bln50Hz)) << QString::number(s.bytComponentList) << QString::number(s.chkBall)
        << QString::number(s.chkSwing);
    return out;
}

QStringList gridTexts(const platform::FlexGrid& g)
{
    QStringList out;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            out << g.TextMatrix(r, c);
    return out;
}

struct RoundTrip {
    const char* name;
    int componentList;
    bool gas, us, basic, fiftyHz, swing;
    // The seven lengths as the fields show them, and the hose length in the file.
    std::array<const char*, 7> lengths; // hose, branch, trunk, pipe, tank, bury, rise
    const char* hoseInFile;
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

class SiteFileRoundTrip : public MainWindowTest, public ::testing::WithParamInterface<RoundTrip> {};

} // namespace

TEST_P(SiteFileRoundTrip, SavedSiteComesBackWhole)
{
    const RoundTrip& c = GetParam();
    load();
    applySettings(c.componentList, c.gas, c.us);
    control<QRadioButton>(c.fiftyHz ? "opt50Hz" : "opt60Hz")->click();
    control<QRadioButton>(c.basic ? "optBasic" : "optAdvance")->click();
    frmMain::Controls& k = w->ctl;
    // The piping type first: it fills the size lists.
    for (platform::ComboBox* box :
         {k.cmbPiping, k.cmbDispenser, k.cmbBreakAway, k.cmbHoseSize, k.cmbNozzle, k.cmbDispOthers, k.cmbBranch,
          k.cmbTrunk, k.cmbPipeSize, k.cmbPumps, k.cmbQuantity, k.cmbLeak, k.cmbPumpOthers, k.cmbNoOfBranches})
        box->list().setListIndex(box->count() - 1);
    const std::array<QLineEdit*, 7> lengthFields = {
        k.txtHoseLen, k.txtBranchLength, k.txtTrunkLength, k.txtPipeLen, k.txtTankDiameter, k.txtBuryDepth, k.txtRise};
    for (size_t i = 0; i < lengthFields.size(); ++i)
        lengthFields[i]->setText(QString::fromLatin1(c.lengths[i]));
    for (int f = 0; f < kFittingKinds; ++f) {
        k.txtBranchFitting[size_t(f)]->setText(QString::number(f + 1));
        k.txtTrunkFitting[size_t(f)]->setText(QString::number(4 - f));
    }
    k.chkBall->setChecked(true);
    k.chkSwing->setChecked(c.swing);
    k.txtNoOfNozzle->setText("5");
    w->txtNoOfNozzle_LostFocus();
    w->cmdCalculate_Click();
    w->BaseLine_Click(); // both grids and the snapshot hold these inputs
    ASSERT_TRUE(messages().empty()) << messages()[0].toStdString();

    const QStringList snapshot = snapshotText(w->udtInputBaseLine());
    const QStringList current = gridTexts(grid("flxCurrent")), baseline = gridTexts(grid("flxBaseLine"));
    const std::vector<float> currentGPM = m->sngCurrentGPM, baselineGPM = m->sngBaselineGPM;
    const QStringList properties = {
        "Café Süd",   "",     "Two islands, one canopy", "1 Main Street", "Springfield", "R. Planner",
        "2026-12-10", "desk", "site@example.com",        "+1 555 0100"};
    for (size_t p = 0; p < 10; ++p)
        *siteProperties(*m->objSiteProperties)[p] = properties[qsizetype(p)];

    const QString path = folder.file("SaveSiteInfo/round trip.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    ASSERT_TRUE(messages().empty()) << messages()[0].toStdString();
    EXPECT_TRUE(m->blnSaved);
    const QByteArray saved = fileBytes(path);
    const QStringList lines = siteFileLines(path);
    ASSERT_EQ(lines.size(), 52);
    EXPECT_TRUE(saved.endsWith("\r\n"));
    EXPECT_EQ(lines[4], c.hoseInFile) << "lengths are stored in feet";
    EXPECT_EQ(lines[23], c.basic ? "True" : "False");
    EXPECT_EQ(lines[29], c.fiftyHz ? "True" : "False");
    EXPECT_EQ(lines[38], c.gas ? "True" : "False");
    EXPECT_EQ(lines[39], c.us ? "True" : "False");
    EXPECT_EQ(lines[40], QString("AIC").mid(c.componentList, 1));
    EXPECT_EQ(lines[42], "Café Süd");
    EXPECT_TRUE(saved.contains("Caf\xe9 S\xfc"
                               "d\r\n"))
        << "Latin-1 in the file";

    // A new site, then other settings, so that the file has to bring them back.
    const QString fresh = folder.file("SaveSiteInfo/fresh.txt");
    ui.fileAnswers.push_back(fresh);
    w->mnuNew_Click();
    EXPECT_EQ(m->strSiteFile, fresh);
    EXPECT_FALSE(QFile::exists(fresh)) << "New writes nothing";
    EXPECT_EQ(m->objSiteProperties->strCustomerName, "");
    applySettings((c.componentList + 1) % 3, !c.gas, !c.us);
    control<QRadioButton>(c.fiftyHz ? "opt60Hz" : "opt50Hz")->click();
    ASSERT_NE(snapshotText(w->udtInputBaseLine()), snapshot);

    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    ASSERT_TRUE(messages().empty()) << messages()[0].toStdString();
    EXPECT_EQ(m->strSiteFile, path);
    EXPECT_EQ(w->windowTitle(), path);
    EXPECT_TRUE(m->blnSaved);
    EXPECT_FALSE(m->blnAutoBaseline) << "Open's Calculate made the baseline";
    EXPECT_EQ(snapshotText(w->udtInputBaseLine()), snapshot);
    EXPECT_EQ(k.txtNoOfNozzle->text(), "5");
    EXPECT_EQ(m->intNozzlesEntered, 5);
    EXPECT_EQ(m->intPlotNozzles, 6);
    for (size_t i = 0; i < lengthFields.size(); ++i)
        EXPECT_EQ(lengthFields[i]->text(), c.lengths[i]) << i;
    EXPECT_EQ(m->objConfigureData->Data(), c.gas);
    EXPECT_EQ(m->objConfigureData->Units(), c.us);
    EXPECT_EQ(m->objConfigureData->ComponentList(), c.componentList);
    EXPECT_EQ(w->settingsLink().optUS(), c.us);
    EXPECT_EQ(w->settingsLink().optGas(), c.gas);
    EXPECT_EQ(catalogue::chosenComponentList(w->settingsLink()), c.componentList);
    EXPECT_EQ(m->blnUSUnitsShown, c.us);
    EXPECT_EQ(m->blnMetricUnitsShown, !c.us);
    EXPECT_EQ(k.opt50Hz->isChecked(), c.fiftyHz);
    EXPECT_EQ(k.optBasic->isChecked(), c.basic);
    // The captions a units switch gives the length fields.
    QStringList captions;
    for (QLabel* l :
         {k.lblHoseLength, k.lblLength, k.lblTrunkLength, k.lblPipeLen, k.lblTankDiameter, k.lblBuryDepth, k.lblRise})
        captions << l->text();
    EXPECT_EQ(captions, c.us ? QStringList({"Hose length(ft)", "Length(ft)", "Length(ft)", "Length(ft)",
                                            "Tank Diameter(inch)", "Bury Depth(ft)", "Rise(ft)"})
                             : QStringList({"Hose Length(m)", "Length(m)", "Length(m)", "Length(m)",
                                            "Tank Diameter(cm)", "Bury Depth(m)", "Rise(m)"}));
    for (size_t p = 0; p < 10; ++p)
        EXPECT_EQ(*siteProperties(*m->objSiteProperties)[p], properties[qsizetype(p)]) << p;
    EXPECT_EQ(gridTexts(grid("flxCurrent")), current);
    EXPECT_EQ(gridTexts(grid("flxBaseLine")), baseline);
    EXPECT_EQ(m->sngCurrentGPM, currentGPM);
    EXPECT_EQ(m->sngBaselineGPM, baselineGPM);

    // Saving what was read gives the same file.
    w->mnuSave_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(fileBytes(path), saved);
}

// clang-format off: a site a case, its flags on one line
INSTANTIATE_TEST_SUITE_P(
    Sites, SiteFileRoundTrip,
    ::testing::Values(
        RoundTrip{"UsAdvance60HzGasAmerican", 0, true, true, false, false, true,
                  {"12.5", "105.5", "48.3", "200.1", "96", "3.5", "1.2"}, "12.5"},
        RoundTrip{"MetricBasic50HzDieselCommercial", 2, false, false, true, true, false,
                  {"3.5", "30.5", "14.7", "61", "243.8", "1.1", "0.4"}, "11.5"},
        RoundTrip{"UsBasic50HzGasInternational", 1, true, true, true, true, false,
                  {"0", "9999", "0.5", "17", "120.5", "0", "10"}, "0"},
        RoundTrip{"MetricAdvance60HzGasAmerican", 0, true, false, false, false, true,
                  {"304.5", "0.3", "3000", "0", "152.4", "2.4", "0.1"}, "999"}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MainWindowTest, NewOntoAnExistingNameChangesNothing)
{
    load();
    const QString taken = folder.file("SaveSiteInfo/taken.txt");
    folder.write("SaveSiteInfo/taken.txt", "not a site\r\n");
    w->ctl.cmbPumps->list().setListIndex(2);
    w->cmdCalculate_Click();
    m->objSiteProperties->strCustomerName = "kept";
    ui.answers = {platform::MsgResult::No};
    ui.fileAnswers.push_back(taken);
    const QStringList before = windowState(*w, *m);
    w->mnuNew_Click();
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].title, "New");
    EXPECT_FALSE(ui.openRequests[0].mustExist) << "a new site names a file still to be written";
    EXPECT_EQ(ui.openRequests[0].fileName, "");
    EXPECT_EQ(ui.openRequests[0].initDir, folder.path() + "/SaveSiteInfo");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1], "File already exists. Please enter a new filename");
    EXPECT_EQ(ui.messages[1].buttons, platform::MsgButtons::OK);
    EXPECT_EQ(ui.messages[1].icon, platform::MsgIcon::None);
    EXPECT_SAME_STATE(before, windowState(*w, *m));
    EXPECT_EQ(fileBytes(taken), "not a site\r\n");

    // Open and Save As show the name the dialog last held; New empties it.
    ui.answers = {platform::MsgResult::No};
    ui.fileAnswers.push_back(std::nullopt);
    w->mnuOpen_Click();
    EXPECT_EQ(ui.openRequests.back().title, "Open");
    EXPECT_TRUE(ui.openRequests.back().mustExist);
    EXPECT_EQ(ui.openRequests.back().fileName, taken);
}

TEST_F(MainWindowTest, OpenLimitsTheNozzleCountToTheMaximum)
{
    load();
    const QString path = folder.file("SaveSiteInfo/nozzles.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    QStringList lines = siteFileLines(path);
    ASSERT_EQ(lines.size(), 52);
    ASSERT_EQ(field("txtMaxNozz")->text(), "40");
    struct Case {
        const char* line7;
        const char* field;
        int entered, plotted;
    };
    for (const Case& c : {Case{"50", "40", 40, 42}, Case{"7", "7", 7, 8}, Case{"40", "40", 40, 42}}) {
        SCOPED_TRACE(c.line7);
        lines[7] = c.line7;
        writeBytes(path, crlfLines(lines));
        ui.fileAnswers.push_back(path);
        w->mnuOpen_Click();
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(field("txtNoOfNozzle")->text(), c.field);
        EXPECT_EQ(m->intNozzlesEntered, c.entered);
        EXPECT_EQ(m->intPlotNozzles, c.plotted);
        ASSERT_EQ(m->sngCurrentGPM.size(), size_t(c.plotted + 1));
        EXPECT_GT(m->sngCurrentGPM[size_t(c.entered)], 0.0f) << "calculated for every nozzle";
        EXPECT_FLOAT_EQ(m->sngBaselineGPM[size_t(c.entered)], m->sngCurrentGPM[size_t(c.entered)]);
        EXPECT_EQ(grid("flxCurrent").TextMatrix(7, 2), c.field);
        EXPECT_TRUE(m->blnSaved);
    }
}

TEST_F(MainWindowTest, OpenWithAMaximumOfZeroNozzles)
{
    writeIni({"0", "6", "True", "True", "A"});
    load();
    const QString path = folder.file("SaveSiteInfo/nozzles.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    QStringList lines = siteFileLines(path);
    ASSERT_EQ(lines.size(), 52);
    EXPECT_EQ(lines[7], "0") << "the start-up count";
    // Saved as it stands, the site opens again.
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(m->strSiteFile, path);
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "0");
    lines[7] = "5";
    writeBytes(path, crlfLines(lines));
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "0");
    EXPECT_EQ(m->intNozzlesEntered, 0);
    EXPECT_EQ(m->intPlotNozzles, 2);
    EXPECT_EQ(m->sngCurrentGPM.size(), 3u);
    EXPECT_TRUE(m->blnSaved);

    // Where nozzles are allowed, a site of none is no site the window can hold.
    lines[7] = "0";
    writeBytes(path, crlfLines(lines));
    writeIni({"40", "6", "True", "True", "A"});
    ui.fileAnswers.push_back(folder.file("SaveSiteInfo/other.txt"));
    w->mnuNew_Click(); // reads the settings file again
    ASSERT_EQ(field("txtMaxNozz")->text(), "40");
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Error in File Load");
}

TEST_F(MainWindowTest, SaveAsOntoAnExistingFileAsksFirst)
{
    load();
    const QString site = folder.file("SaveSiteInfo/site.txt");
    ui.fileAnswers.push_back(site);
    w->mnuSaveas_Click();
    ASSERT_TRUE(m->blnSaved);
    const QString other = folder.file("SaveSiteInfo/other.txt");
    folder.write("SaveSiteInfo/other.txt", "keep me\r\n");

    // No: nothing written, the name and the saved flag stay.
    ui.answers = {platform::MsgResult::No};
    ui.fileAnswers.push_back(other);
    w->mnuSaveas_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "File Already exists! Do you want to overwrite");
    EXPECT_EQ(ui.messages[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(ui.saveRequests[1].fileName, site) << "the dialog shows the name of its last use";
    EXPECT_EQ(fileBytes(other), "keep me\r\n");
    EXPECT_TRUE(m->blnSaved);
    EXPECT_EQ(m->strSiteFile, site);
    EXPECT_EQ(w->windowTitle(), site);

    // Yes: replaced by the site.
    ui.answers = {platform::MsgResult::Yes};
    ui.fileAnswers.push_back(other);
    w->mnuSaveas_Click();
    EXPECT_EQ(fileBytes(other), fileBytes(site));
    EXPECT_EQ(m->strSiteFile, other);
    EXPECT_EQ(w->windowTitle(), other);

    // An empty name: nothing at all.
    ui.messages.clear();
    ui.fileAnswers.push_back(QString());
    w->mnuSaveas_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(m->blnSaved);
    EXPECT_EQ(m->strSiteFile, other);

    // Cancelled: no message, nothing written, and the values count as unsaved.
    ui.messages.clear();
    ui.fileAnswers.push_back(std::nullopt);
    w->mnuSaveas_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(m->blnSaved);
    EXPECT_EQ(m->strSiteFile, other);
    EXPECT_EQ(ui.saveRequests.back().title, "Save As");
    ui.answers = {platform::MsgResult::Cancel};
    w->mnuNew_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Current Values are not saved. Do you want to save now?");
}

TEST_F(MainWindowTest, SaveWithoutANameRunsSaveAs)
{
    load();
    m->strSiteFile.clear();
    m->blnSaved = false;
    const QString path = folder.file("SaveSiteInfo/named later.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSave_Click();
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].title, "Save As");
    EXPECT_EQ(siteFileLines(path).size(), 52);
    EXPECT_EQ(m->strSiteFile, path);
    EXPECT_EQ(w->windowTitle(), path);
    EXPECT_TRUE(m->blnSaved);
    EXPECT_TRUE(messages().empty());

    // With a name, Save asks nothing and shows no dialog.
    w->mnuSave_Click();
    EXPECT_EQ(ui.saveRequests.size(), 1u);
}

TEST_F(MainWindowTest, SaveTakesTheLengthsInTheUnitsOfTheLastFill)
{
    load();
    field("txtHoseLen")->setText("10");
    field("txtTankDiameter")->setText("96");
    w->cmdCalculate_Click();
    applySettings(0, true, false); // the fields now show metres, the grid still feet
    ASSERT_EQ(field("txtHoseLen")->text(), "3");
    ASSERT_EQ(grid("flxCurrent").TextMatrix(4, 1), "10");
    w->mnuSave_Click();
    QStringList lines = siteFileLines(m->strSiteFile);
    ASSERT_EQ(lines.size(), 52);
    EXPECT_EQ(lines[4], "10") << "not 32.8";
    EXPECT_EQ(lines[33], "96");
    EXPECT_EQ(lines[39], "False") << "the units option in force";

    // After a Calculate in metres the grid holds metres and the file feet.
    w->cmdCalculate_Click();
    w->mnuSave_Click();
    lines = siteFileLines(m->strSiteFile);
    EXPECT_EQ(lines[4], "9.8");
    EXPECT_EQ(lines[33], "96");
}

TEST_F(MainWindowTest, LengthCellWithoutANumberWritesNothing)
{
    load();
    w->mnuSave_Click();
    const QString path = m->strSiteFile;
    const QByteArray before = fileBytes(path);
    ASSERT_FALSE(before.isEmpty());
    w->cmdCalculate_Click();
    grid("flxCurrent").setTextMatrix(10, 1, "ten");

    w->mnuSave_Click();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(m->blnSaved);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains(path)) << messages()[0].toStdString();
    EXPECT_TRUE(messages()[0].contains("\"ten\"")) << messages()[0].toStdString();

    // Save As onto the file answered Yes: the same, and the name stays.
    const QString other = folder.file("SaveSiteInfo/other.txt");
    folder.write("SaveSiteInfo/other.txt", "old\r\n");
    ui.answers = {platform::MsgResult::Yes};
    ui.fileAnswers.push_back(other);
    w->mnuSaveas_Click();
    EXPECT_EQ(fileBytes(other), "old\r\n");
    EXPECT_EQ(m->strSiteFile, path);
    EXPECT_FALSE(m->blnSaved);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_TRUE(messages()[2].contains(other)) << messages()[2].toStdString();
}

TEST_F(MainWindowTest, WriteThatFailsHalfwayKeepsTheOldFile)
{
    load();
    w->mnuSave_Click();
    const QString path = m->strSiteFile;
    const QByteArray before = fileBytes(path);
    ASSERT_GT(before.size(), 200);
    w->ctl.cmbPumps->list().setListIndex(3);
    w->cmdCalculate_Click();
    {
        const FileSizeLimit limit(100); // as on a full disk, for any user
        w->mnuSave_Click();
    }
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(m->blnSaved);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("The site file " + path + " was not saved: ")) << messages()[0].toStdString();
    EXPECT_EQ(ui.messages[0].caption, "Tandril Software");

    // With room again the same Save goes through.
    w->mnuSave_Click();
    EXPECT_TRUE(m->blnSaved);
    EXPECT_EQ(siteFileLines(path).value(27), "STP 2 HP 60Hz");
}

TEST_F(MainWindowTest, OpenedUnitsAreTheUnitsInForce)
{
    load();
    applySettings(0, true, false);
    field("txtHoseLen")->setText("3.5");
    w->cmdCalculate_Click();
    const QString path = folder.file("SaveSiteInfo/metric.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    applySettings(0, true, true);
    ASSERT_EQ(field("txtHoseLen")->text(), "11.5");
    field("txtHoseLen")->setText("20");

    showActive(*w);
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    ASSERT_TRUE(messages().empty());
    EXPECT_EQ(field("txtHoseLen")->text(), "3.5");
    EXPECT_EQ(QApplication::focusWidget(), field("txtNoOfNozzle"));
    EXPECT_EQ(w->MSChart1().axisTitle(1), "LPM per Nozzle");
    // The next units switch converts the fields once, from the file's units.
    applySettings(0, true, true);
    EXPECT_EQ(field("txtHoseLen")->text(), "11.5");
    EXPECT_EQ(control<QLabel>("lblHoseLength")->text(), "Hose length(ft)");
    // Saved without a Calculate: the grid still holds the metres of the Open.
    w->mnuSave_Click();
    QStringList lines = siteFileLines(path);
    EXPECT_EQ(lines.value(4), "11.5");
    EXPECT_EQ(lines.value(39), "True");
}
