// The main window fits a 1366 x 768 screen with a task bar: at 1024 x 700
// every control of every area page, of the results panel and of the area
// row lies whole inside its parent, no two named controls overlap, and added
// space goes to the charts and the grids; the window's least size follows a
// change on a page behind the front one, and no command raises it above what
// it is after start-up.
#include "GeometryPrinter.h"
#include "MainWindowFixture.h"
#include "WidgetInput.h"

#include "platform/Chart.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <sstream>
#include <vector>

namespace {

constexpr QSize kSmallest(1024, 700);

std::string describe(const QWidget* w, const QRect& r)
{
    std::ostringstream out;
    out << w->objectName().toStdString() << " [" << r.x() << "," << r.y() << " " << r.width() << "x" << r.height()
        << "]";
    return out.str();
}

// The named controls shown below `root` (the root itself left out).
std::vector<QWidget*> namedControls(QWidget* root)
{
    std::vector<QWidget*> out;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && w->isVisibleTo(root)
            && !w->isWindow())
            out.push_back(w);
    return out;
}

// Every named control below `root` lies whole inside each of its parents up
// to the window, so nothing of it is clipped; a word-wrapped label has the
// height its text needs; a control is at least its minimum size.
void expectWhole(QWidget* root, const char* where)
{
    for (QWidget* w : namedControls(root)) {
        for (QWidget* p = w; p && p != w->window(); p = p->parentWidget()) {
            const QRect inParent = p->geometry();
            QWidget* parent = p->parentWidget();
            EXPECT_TRUE(parent->rect().contains(inParent))
                << where << ": " << describe(p, inParent) << " leaves " << describe(parent, parent->rect())
                << " (checking " << w->objectName().toStdString() << ")";
        }
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        if (!qobject_cast<QLabel*>(w)) {
            EXPECT_GE(w->width(), least.width()) << where << ": " << describe(w, w->geometry());
            EXPECT_GE(w->height(), least.height()) << where << ": " << describe(w, w->geometry());
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap() && !label->text().isEmpty()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << where << ": " << describe(w, w->geometry()) << " cuts its text";
        }
    }
    // No two controls overlap unless one holds the other.
    const std::vector<QWidget*> all = namedControls(root);
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            QWidget* a = all[i];
            QWidget* b = all[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect ra(a->mapTo(a->window(), QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(b->window(), QPoint(0, 0)), b->size());
            EXPECT_FALSE(ra.intersects(rb)) << where << ": " << describe(a, ra) << " overlaps " << describe(b, rb);
        }
    }
}

// What a user does on a route through the window: the page buttons, the
// piping modes (their page in front), the commands, the File menu.
enum class RouteStep {
    Dispensing,
    Piping,
    Pump,
    Site,
    Basic,
    Advance,
    Calculate,
    MakeBaseline,
    BackToBaseline,
    SaveAs,      // under "route.txt"
    OpenSaved,   // "route.txt"
    OpenBasic,   // a site saved in Basic mode
    OpenAdvance, // a site saved in Advance mode
    New,
};

const char* stepName(RouteStep s)
{
    static const char* const names[] = {
        "Dispensing",   "Piping",         "Pump",   "Site",      "Basic",     "Advance",     "Calculate",
        "MakeBaseline", "BackToBaseline", "SaveAs", "OpenSaved", "OpenBasic", "OpenAdvance", "New"};
    return names[int(s)];
}

std::string routeName(const std::vector<RouteStep>& route)
{
    std::string out;
    for (RouteStep s : route)
        out += std::string(out.empty() ? "" : " ") + stepName(s);
    return out;
}

} // namespace

TEST_F(MainWindowTest, WindowFitsTheSmallestScreenWithEveryControlWhole)
{
    frmMain& win = load();
    const QSize least = win.minimumSizeHint().expandedTo(win.minimumSize());
    EXPECT_LE(least.width(), kSmallest.width());
    EXPECT_LE(least.height(), kSmallest.height());

    win.resize(kSmallest);
    win.show();
    QApplication::processEvents();
    ASSERT_EQ(win.size(), kSmallest);
    auto* pages = control<QTabWidget>("tabMain");
    const char* names[] = {"Dispensing Area", "Piping Area (Basic)", "Pump Area", "Site Layout"};
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        expectWhole(&win, names[page]);
    }
    // The Advance panels are the taller ones.
    pages->setCurrentIndex(1);
    control<QRadioButton>("optAdvance")->click();
    QApplication::processEvents();
    ASSERT_TRUE(control<QGroupBox>("fraBranch")->isVisible());
    expectWhole(&win, "Piping Area (Advance)");
}

TEST_F(MainWindowTest, AddedSpaceGoesToTheChartsAndTheGrids)
{
    frmMain& win = load();
    win.resize(kSmallest);
    win.show();
    QApplication::processEvents();
    control<QTabWidget>("tabMain")->setCurrentIndex(2);
    QApplication::processEvents();
    auto sizes = [&] {
        return std::vector<QSize>{control<platform::Chart>("MSChart1")->size(),
                                  control<platform::Chart>("MSChart2")->size(), grid("flxCurrent").size()};
    };
    const std::vector<QSize> small = sizes();
    win.resize(1366, 728);
    QApplication::processEvents();
    const std::vector<QSize> large = sizes();
    // Both charts grow wider, the flow graph and the grids (their columns are
    // laid out for their width) taller; the area pages keep their height.
    EXPECT_GT(large[0].width(), small[0].width());
    EXPECT_GT(large[0].height(), small[0].height());
    EXPECT_GT(large[1].width(), small[1].width());
    EXPECT_GT(large[2].height(), small[2].height());
    EXPECT_EQ(large[2].width(), small[2].width());
    // The flow graph stays readable at the smallest size.
    EXPECT_GE(small[0].width(), 300);
    EXPECT_GE(small[0].height(), 200);
}

// The window's least size follows a change inside a page behind the front
// one at once, growing and shrinking: it is the least size the window has
// once that page has been in front, so nothing of the page is cut when it
// comes there.
TEST_F(MainWindowTest, LeastSizeFollowsAChangeOnAPageBehindTheFrontOne)
{
    struct Case {
        const char* name;
        int page;
        const char* control;
        QSize grown; // its least size while changed
    };
    // clang-format off
    const Case cases[] = {
        {"a piping frame wider",         1, "fraSelect",     {900, 0}},
        {"the pump frame taller",        2, "fraPump",       {0, 500}},
        {"the site picture larger",      3, "PicSiteLayout", {700, 450}},
    };
    // clang-format on
    load();
    widgetinput::showActive(*w);
    auto* pages = control<QTabWidget>("tabMain");
    pages->setCurrentIndex(0);
    // Once the layout requests have gone up to the window, a level or so a
    // pass of the event loop.
    auto least = [this] {
        for (int pass = 0; pass < 10; ++pass)
            QApplication::processEvents();
        return w->minimumSize().expandedTo(w->minimumSizeHint());
    };
    // The least size once `page` has been in front, the front page back.
    auto leastAfterShowing = [&](int page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        pages->setCurrentIndex(0);
        return least();
    };
    const QSize start = least();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* changed = control<QWidget>(c.control);
        ASSERT_TRUE(pages->widget(c.page)->isAncestorOf(changed));
        const QSize oldMinimum = changed->minimumSize();
        const QSize oldMaximum = changed->maximumSize();
        changed->setMaximumSize(oldMaximum.expandedTo(c.grown));
        changed->setMinimumSize(oldMinimum.expandedTo(c.grown));
        const QSize grown = least();
        ASSERT_FALSE(pages->widget(c.page)->isVisible());
        EXPECT_NE(grown, start) << "the change counts";
        EXPECT_EQ(grown, leastAfterShowing(c.page));
        EXPECT_GE(w->width(), grown.width());
        EXPECT_GE(w->height(), grown.height());
        changed->setMinimumSize(oldMinimum);
        changed->setMaximumSize(oldMaximum);
        EXPECT_EQ(least(), start);
        EXPECT_EQ(leastAfterShowing(c.page), start);
    }
}

// The area pages keep the height of the tallest page, whatever the pages and
// panels went through: the piping panels switched by Open, New or Back To
// Baseline while another page is in front leave the window's least size (and
// so its size) as it was after start-up, after each step of a route.
TEST_F(MainWindowTest, NoRouteRaisesTheLeastSizeAboveStartUp)
{
    using enum RouteStep;
    auto least = [this] {
        QApplication::processEvents();
        return w->minimumSize().expandedTo(w->minimumSizeHint());
    };
    auto button = [this](const char* name) { widgetinput::clickButton(*w, name); };
    auto open = [this](const QString& name) {
        ui.answers = {platform::MsgResult::No};
        ui.fileAnswers.push_back(folder.file("SaveSiteInfo/" + name));
        w->mnuOpen_Click();
    };
    int news = 0;
    auto run = [&](RouteStep s) {
        switch (s) {
        case Dispensing: button("cmdDispenser"); break;
        case Piping: button("cmdPiping"); break;
        case Pump: button("cmdPump"); break;
        case Site: button("cmdSite"); break;
        case Basic: button("optBasic"); break;
        case Advance: button("optAdvance"); break;
        case Calculate: button("cmdCalculate"); break;
        case MakeBaseline: button("BaseLine"); break;
        case BackToBaseline: button("cmdBackToBaseLine"); break;
        case SaveAs:
            ui.answers = {platform::MsgResult::Yes};
            ui.fileAnswers.push_back(folder.file("SaveSiteInfo/route.txt"));
            w->mnuSaveas_Click();
            break;
        case OpenSaved: open("route.txt"); break;
        case OpenBasic: open("basic.txt"); break;
        case OpenAdvance: open("advance.txt"); break;
        case New:
            ui.answers = {platform::MsgResult::No};
            ui.fileAnswers.push_back(folder.file(QStringLiteral("SaveSiteInfo/new%1.txt").arg(++news)));
            w->mnuNew_Click();
            break;
        }
    };

    // The sites the routes open, one saved in each mode.
    load();
    widgetinput::showActive(*w);
    for (RouteStep s : {Piping, Basic, Calculate})
        run(s);
    ui.fileAnswers.push_back(folder.file("SaveSiteInfo/basic.txt"));
    w->mnuSaveas_Click();
    for (RouteStep s : {Advance, Calculate})
        run(s);
    ui.fileAnswers.push_back(folder.file("SaveSiteInfo/advance.txt"));
    w->mnuSaveas_Click();
    ASSERT_TRUE(messages().empty());

    // The route first seen, then from each page in front and in each mode
    // every command that sets the mode in code, each page shown after it.
    std::vector<std::vector<RouteStep>> routes = {{Piping, Basic, Calculate, SaveAs, Advance, OpenSaved, Pump}};
    for (RouteStep mode : {Basic, Advance}) {
        const RouteStep other = mode == Basic ? Advance : Basic;
        for (RouteStep front : {Dispensing, Piping, Pump, Site}) {
            const std::vector<std::vector<RouteStep>> commands = {
                {Piping, mode, front, OpenBasic},
                {Piping, mode, front, OpenAdvance},
                {Piping, mode, front, New},
                {Piping, other, MakeBaseline, mode, front, BackToBaseline},
            };
            for (std::vector<RouteStep> route : commands) {
                route.insert(route.end(), {Dispensing, Piping, Pump, Site, Basic, Dispensing, Pump, Site});
                routes.push_back(route);
            }
        }
    }
    for (const std::vector<RouteStep>& route : routes) {
        SCOPED_TRACE(routeName(route));
        load();
        widgetinput::showActive(*w);
        const QSize startLeast = least();
        const QSize startSize = w->size();
        ASSERT_LE(startLeast.height(), kSmallest.height());
        for (size_t i = 0; i < route.size(); ++i) {
            run(route[i]);
            const QSize now = least();
            EXPECT_LE(now.width(), startLeast.width()) << "after " << stepName(route[i]) << " (step " << i + 1 << ")";
            EXPECT_LE(now.height(), startLeast.height()) << "after " << stepName(route[i]) << " (step " << i + 1 << ")";
            EXPECT_EQ(w->size(), startSize) << "after " << stepName(route[i]) << " (step " << i + 1 << ")";
        }
        EXPECT_TRUE(messages().empty()) << messages()[0].toStdString();
    }
}
