// The area pages: page routing, the piping panels, the empty list boxes, the
// selection tool tips and the site-layout picture.
#include "FifoWatch.h"
#include "MainWindowFixture.h"
#include "SiteFileSupport.h"
#include "TabWalk.h"
#include "WidgetInput.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <functional>

using widgetinput::pressKey;
using widgetinput::showActive;
using widgetinput::turnWheel;

namespace {
// A small picture whose colour tells which file it came from.
void writePicture(TestFolder& folder, const QString& name, const QColor& colour)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    QDir().mkpath(folder.file("Image"));
    ASSERT_TRUE(image.save(folder.file("Image/" + name), "JPG"));
}

QColor shownColour(const QLabel* box)
{
    const QImage image = box->pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

TEST_F(MainWindowTest, AreaButtonsBringTheirPagesToTheFront)
{
    load();
    showActive(*w);
    auto* pages = control<QTabWidget>("tabMain");
    control<QPushButton>("cmdSite")->click();
    EXPECT_EQ(pages->currentIndex(), 3);
    control<QPushButton>("cmdDispenser")->click();
    EXPECT_EQ(pages->currentIndex(), 0);

    // Tab on an area button shows its page and lands on its first input.
    auto* piping = control<QPushButton>("cmdPiping");
    piping->setFocus(Qt::TabFocusReason);
    pressKey(piping, Qt::Key_Tab);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), list("cmbPiping"));
    // Shift+Tab moves back without changing the page.
    control<QPushButton>("cmdPump")->setFocus(Qt::TabFocusReason);
    pressKey(control<QPushButton>("cmdPump"), Qt::Key_Backtab);
    EXPECT_EQ(pages->currentIndex(), 1);
    // Leaving by a click elsewhere changes nothing either.
    control<QPushButton>("cmdSite")->setFocus(Qt::TabFocusReason);
    control<QPushButton>("cmdCalculate")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(pages->currentIndex(), 1);
}

TEST_F(MainWindowTest, PipingPanelsFollowTheMode)
{
    load();
    auto* basic = control<QRadioButton>("optBasic");
    auto* advance = control<QRadioButton>("optAdvance");
    basic->click();
    EXPECT_FALSE(control<QGroupBox>("fraPipeInfo")->isHidden());
    EXPECT_TRUE(control<QGroupBox>("fraTrunk")->isHidden());
    EXPECT_TRUE(control<QGroupBox>("fraBranch")->isHidden());
    EXPECT_FALSE(advance->isChecked());
    advance->click();
    EXPECT_TRUE(control<QGroupBox>("fraPipeInfo")->isHidden());
    EXPECT_FALSE(control<QGroupBox>("fraTrunk")->isHidden());
    EXPECT_FALSE(basic->isChecked());

    // The focus on Basic alone (a press let go elsewhere) changes nothing:
    // the mode in force stays, and so does its panel.
    showActive(*w);
    w->cmdPiping_Click();
    basic->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), basic);
    EXPECT_TRUE(control<QGroupBox>("fraPipeInfo")->isHidden());
    EXPECT_FALSE(control<QGroupBox>("fraTrunk")->isHidden());
    EXPECT_FALSE(basic->isChecked());
    EXPECT_TRUE(advance->isChecked());
    EXPECT_TRUE(w->optAdvance());
}

TEST_F(MainWindowTest, SelectionToolTipsAndEmptyListBoxes)
{
    load();
    platform::ComboBox* dispenser = list("cmbDispenser");
    dispenser->list().setListIndex(2);
    EXPECT_EQ(dispenser->toolTip(), "Retail Dispenser High Flow");
    // A choice by the user runs the same handler.
    emit dispenser->activated(3);
    EXPECT_EQ(dispenser->toolTip(), dispenser->currentText());

    auto* dispensing = control<QListWidget>("lstDispensing");
    auto* pump = control<QListWidget>("lstPump");
    w->cmbNozzle_GotFocus();
    EXPECT_TRUE(dispensing->isEnabled());
    EXPECT_FALSE(dispensing->isHidden());
    list("cmbHoseSize")->list().setListIndex(1);
    w->cmbHoseSize_GotFocus();
    EXPECT_TRUE(dispensing->isHidden());
    list("cmbLeak")->list().setListIndex(0);
    w->cmbLeak_GotFocus();
    EXPECT_FALSE(pump->isEnabled());
    w->cmbPumps_GotFocus();
    EXPECT_TRUE(pump->isEnabled());
    EXPECT_EQ(pump->count(), 0);
}

TEST_F(MainWindowTest, SiteLayoutPictureOfQuantityAndBranches)
{
    writePicture(folder, "1Pump1Branch.jpg", Qt::red);
    writePicture(folder, "2pump3branch.JPG", Qt::blue); // any letter case
    writePicture(folder, "4Pump3Branch.jpg", Qt::green);
    load();
    auto* box = control<QLabel>("PicSiteLayout");
    EXPECT_GT(shownColour(box).red(), 200);

    list("cmbQuantity")->list().setListIndex(1);
    list("cmbNoOfBranches")->list().setListIndex(2);
    EXPECT_GT(shownColour(box).blue(), 200);
    // A new quantity shows at once.
    list("cmbQuantity")->list().setListIndex(3);
    EXPECT_GT(shownColour(box).green(), 200);
    // No picture of its own: the box empties, the selection stands.
    list("cmbNoOfBranches")->list().setListIndex(4);
    EXPECT_TRUE(box->pixmap().isNull());
    EXPECT_EQ(list("cmbNoOfBranches")->currentText(), "5");
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowTest, SiteLayoutPictureFollowsTheQuantityHoweverItChanges)
{
    writePicture(folder, "1Pump1Branch.jpg", Qt::red);
    writePicture(folder, "2Pump1Branch.jpg", Qt::blue);
    writePicture(folder, "3Pump1Branch.jpg", Qt::green);
    load();
    showActive(*w);
    w->cmdPump_Click();
    auto* box = control<QLabel>("PicSiteLayout");
    platform::ComboBox* quantity = list("cmbQuantity");
    auto notch = [quantity] { turnWheel(quantity, -1); };
    // The wheel over the list while another control has the focus changes nothing.
    list("cmbPumps")->setFocus();
    notch();
    EXPECT_EQ(quantity->currentText(), "1");
    EXPECT_EQ(QApplication::focusWidget(), list("cmbPumps"));
    // In the list, the wheel and the keys change the quantity, and the
    // picture follows while the focus is still there.
    quantity->setFocus();
    notch();
    EXPECT_EQ(quantity->currentText(), "2");
    EXPECT_GT(shownColour(box).blue(), 200);
    pressKey(quantity, Qt::Key_Down);
    EXPECT_EQ(quantity->currentText(), "3");
    EXPECT_GT(shownColour(box).green(), 200);
    // Back To Baseline puts the quantity of the baseline back, picture and all.
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(quantity->currentText(), "1");
    EXPECT_GT(shownColour(box).red(), 200);
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowTest, ANonRegularFileInPlaceOfAPictureIsNeverOpened)
{
    // Opening a FIFO would wait for a writer: the start-up would never end.
    writePicture(folder, "2Pump1Branch.jpg", Qt::blue);
    QFile::remove(folder.file("Image/1Pump1Branch.jpg"));
    FifoWatch fifo(folder.file("Image/1Pump1Branch.jpg"));
    ASSERT_TRUE(fifo.made());
    QDir().mkpath(folder.file("Image/1Pump2Branch.jpg"));
    load();
    auto* box = control<QLabel>("PicSiteLayout");
    EXPECT_TRUE(box->pixmap().isNull());
    list("cmbNoOfBranches")->list().setListIndex(1); // a folder of the picture's name
    EXPECT_TRUE(box->pixmap().isNull());
    EXPECT_EQ(list("cmbNoOfBranches")->currentText(), "2");
    list("cmbNoOfBranches")->list().setListIndex(0);
    list("cmbQuantity")->list().setListIndex(1);
    w->cmbQuantity_LostFocus();
    EXPECT_GT(shownColour(box).blue(), 200) << "a picture beside them still shows";
    EXPECT_EQ(fifo.readerOpens(), 0) << "a FIFO is never opened";
    EXPECT_FALSE(fifo.readerWaited());
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowTest, GridsRouteTheFocus)
{
    load();
    showActive(*w);
    auto* tabs = control<QTabWidget>("tabCurrentBaseline");
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
    pressKey(tabs->tabBar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &grid("flxCurrent"));
    pressKey(&grid("flxCurrent"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("cmdDispenser"));

    tabs->setCurrentIndex(1);
    EXPECT_EQ(QApplication::focusWidget(), &grid("flxBaseLine"));
    pressKey(&grid("flxBaseLine"), Qt::Key_Backtab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), tabs->tabBar());
}

TEST_F(MainWindowTest, TabWalksTheWholeWindowOrder)
{
    load();
    showActive(*w);
    auto* pages = control<QTabWidget>("tabMain");
    auto tab = [](bool forward = true) {
        pressKey(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
        QApplication::processEvents();
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    // Once an area button has had the focus the others still are tab stops:
    // the last input of a page leads to the next area button and its page.
    control<QPushButton>("cmdDispenser")->setFocus(Qt::TabFocusReason);
    field("txtNoOfNozzle")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(), "cmdPiping");
    EXPECT_EQ(tab(), "cmbPiping");
    EXPECT_EQ(pages->currentIndex(), 1);
    field("txtBranchFitting_3")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(), "cmdPump");
    EXPECT_EQ(tab(), "cmbPumps");
    EXPECT_EQ(pages->currentIndex(), 2);
    // From the last page the order goes on past the charts back to Calculate.
    w->cmdSite_Click();
    list("cmbNoOfBranches")->setFocus(Qt::TabFocusReason);
    QStringList rest;
    for (int i = 0; i < 4 && (rest.isEmpty() || rest.last() != "cmdCalculate"); ++i)
        rest << tab();
    EXPECT_EQ(rest.last(), "cmdCalculate") << rest.join(" ").toStdString();
    // Tab in the BaseLine grid follows the window's order to the first area button.
    control<QTabWidget>("tabCurrentBaseline")->setCurrentIndex(1);
    EXPECT_EQ(QApplication::focusWidget(), &grid("flxBaseLine"));
    EXPECT_EQ(tab(), "cmdDispenser");
    // Shift+Tab goes back through the same order.
    EXPECT_EQ(tab(false), "flxBaseLine");
    EXPECT_EQ(tab(false), "qt_tabwidget_tabbar");
    EXPECT_EQ(tab(false), "cmdDetails");
}

// Tab and Shift+Tab walked round the whole window change no mode, frequency
// or setting: each option pair is one stop, at the option in force, right
// after start-up and after each command that sets the options in code.
TEST_F(MainWindowTest, TabAndShiftTabChangeNoOption)
{
    struct OptionPair {
        const char* first;
        const char* second;
        int page;
    };
    const OptionPair pairs[] = {{"optBasic", "optAdvance", 1}, {"opt50Hz", "opt60Hz", 2}};
    // The user picks an option with the mouse: the focus goes to it first.
    auto pick = [this](const char* name) {
        auto* b = control<QRadioButton>(name);
        w->ctl.tabMain->setCurrentIndex(QByteArray(name).contains("Hz") ? 2 : 1);
        b->setFocus(Qt::MouseFocusReason);
        b->click();
    };
    auto saveAs = [this](const char* name) {
        w->cmdCalculate_Click();
        ui.fileAnswers.push_back(folder.file(QStringLiteral("SaveSiteInfo/") + name));
        w->mnuSaveas_Click();
    };
    auto open = [this](const char* name) {
        ui.answers = {platform::MsgResult::No};
        ui.fileAnswers.push_back(folder.file(QStringLiteral("SaveSiteInfo/") + name));
        w->mnuOpen_Click();
    };
    struct Case {
        const char* name;
        std::function<void()> run;
        const char* mode; // the options in force after it
        const char* frequency;
    };
    const Case cases[] = {
        {"FreshStart", [] {}, "optAdvance", "opt60Hz"},
        {"BackToBaseline",
         [&] {
             pick("optBasic");
             w->cmdBackToBaseLine_Click();
         },
         "optAdvance", "opt60Hz"},
        {"OpenPutsAdvanceBack",
         [&] {
             saveAs("advance.txt");
             pick("optBasic");
             pick("opt50Hz");
             open("advance.txt");
         },
         "optAdvance", "opt60Hz"},
        {"OpenPutsBasicIn",
         [&] {
             pick("optBasic");
             pick("opt50Hz");
             saveAs("basic.txt");
             pick("optAdvance");
             pick("opt60Hz");
             open("basic.txt");
         },
         "optBasic", "opt50Hz"},
        {"New",
         [&] {
             pick("optBasic");
             pick("opt50Hz");
             ui.answers = {platform::MsgResult::No};
             ui.fileAnswers.push_back(folder.file("SaveSiteInfo/new.txt"));
             w->mnuNew_Click();
         },
         "optAdvance", "opt60Hz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load();
        showActive(*w);
        c.run();
        ui.messages.clear();
        ASSERT_TRUE(control<QRadioButton>(c.mode)->isChecked());
        ASSERT_TRUE(control<QRadioButton>(c.frequency)->isChecked());
        const int page = w->ctl.tabMain->currentIndex();
        // Sorted: a page brought to the front is raised among its siblings,
        // which reorders the children the record walks.
        auto state = [this] {
            QStringList s = windowState(*w, *m);
            s.sort();
            return s;
        };
        const QStringList before = state();
        // Each pair met once on a walk past its page, at the option in force.
        auto expectStops = [&](const QStringList& visited, int frontPage) {
            ASSERT_EQ(visited.last(), "cmdCalculate") << "round the window: " << visited.join(' ').toStdString();
            for (const OptionPair& p : pairs) {
                const bool passed = frontPage < 0 || frontPage == p.page;
                const QString inForce = control<QRadioButton>(p.first)->isChecked() ? p.first : p.second;
                EXPECT_EQ(visited.count(p.first) + visited.count(p.second), passed ? 1 : 0)
                    << visited.join(' ').toStdString();
                if (passed) {
                    EXPECT_TRUE(visited.contains(inForce)) << visited.join(' ').toStdString();
                }
            }
        };
        control<QPushButton>("cmdCalculate")->setFocus(Qt::TabFocusReason);
        expectStops(walkTabOrder(true), -1);
        // Shift+Tab leaves the page in front: once from each.
        for (int front = 0; front < 4; ++front) {
            w->ctl.tabMain->setCurrentIndex(front);
            control<QPushButton>("cmdCalculate")->setFocus(Qt::TabFocusReason);
            expectStops(walkTabOrder(false), front);
        }
        w->ctl.tabMain->setCurrentIndex(page);
        EXPECT_SAME_STATE(before, state());
        EXPECT_TRUE(messages().empty());
    }
}
