// The area pages: page routing, the piping panels, the empty list boxes, the
// selection tool tips and the site-layout picture.
#include "FifoWatch.h"
#include "MainWindowFixture.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

namespace {
void pressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

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

    // Focus on Basic shows its panel and puts Basic in force: one mode is
    // always on, and it is the one shown.
    showActive(*w);
    w->cmdPiping_Click();
    basic->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(control<QGroupBox>("fraPipeInfo")->isHidden());
    EXPECT_TRUE(basic->isChecked());
    EXPECT_FALSE(advance->isChecked());
    EXPECT_TRUE(w->optBasic());
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
    // A new quantity shows when the quantity list loses the focus.
    list("cmbQuantity")->list().setListIndex(3);
    EXPECT_GT(shownColour(box).blue(), 200);
    w->cmbQuantity_LostFocus();
    EXPECT_GT(shownColour(box).green(), 200);
    // No picture of its own: the box empties, the selection stands.
    list("cmbNoOfBranches")->list().setListIndex(4);
    EXPECT_TRUE(box->pixmap().isNull());
    EXPECT_EQ(list("cmbNoOfBranches")->currentText(), "5");
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
    EXPECT_FALSE(fifo.opened());
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
