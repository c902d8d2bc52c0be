// The Details button: the head-loss details of the present inputs, in the
// units in force, shown modally; a refused field holds it up as it holds
// up Calculate.
#include "MainWindowFixture.h"
#include "WidgetInput.h"

#include "reports/frmDetails.h"

#include <QLabel>
#include <QPushButton>

using widgetinput::showActive;
using widgetinput::typeOver;

namespace {

struct Shown {
    QString title;
    std::map<QString, QString> labels; // objectName -> text
};

} // namespace

TEST_F(MainWindowTest, DetailsShowsTheTermsOfThePresentInputsInTheUnitsInForce)
{
    load();
    const std::vector<float> results = m->sngCurrentGPM;
    const bool saved = m->blnSaved;
    std::vector<Shown> shown;
    ui.onModal = [&](QDialog& d) {
        Shown s{d.windowTitle(), {}};
        for (QLabel* l : d.findChildren<QLabel*>())
            s.labels[l->objectName()] = l->text();
        shown.push_back(s);
        return int(QDialog::Accepted);
    };
    auto* details = w->findChild<QPushButton*>("cmdDetails");
    details->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "System Headloss Details");
    EXPECT_EQ(shown[0].labels["Label9"], "TDH (ft)");
    EXPECT_EQ(shown[0].labels["Label12"], "Dispenser Others Loss(ft)");
    EXPECT_NE(shown[0].labels["Total"], "0.0") << "the load replaces the design caption";
    EXPECT_NE(shown[0].labels["Total"], "O/R");
    // The shipped start-up site has no hose: its loss is out of range.
    EXPECT_EQ(shown[0].labels["Hose"], "O/R");
    EXPECT_TRUE(messages().empty());

    // A longer trunk without Calculate: the details follow the field.
    const QString trunkBefore = shown[0].labels["Trunk"];
    field("txtTrunkLength")->setText("500");
    details->click();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[1].labels["Trunk"], trunkBefore);

    // Metric: the captions without blanks and the values in metres.
    applySettings(0, true, false);
    details->click();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].labels["Label9"], "TDH(m)");
    EXPECT_EQ(shown[2].labels["Label12"], "Disp Others Loss(m)");
    EXPECT_TRUE(messages().empty());
    // The details leave the results and their saved state alone.
    EXPECT_EQ(m->sngCurrentGPM, results);
    EXPECT_EQ(m->blnSaved, saved);
}

TEST_F(MainWindowTest, ARefusedFieldHoldsUpTheDetails)
{
    load();
    showActive(*w);
    typeOver(field("txtHoseLen"), "1234");
    w->cmdDetails_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Maximum Value can be entered is 999");
    EXPECT_EQ(ui.modalCount, 0);
}
