// The main window fits a 1366 x 768 screen with a task bar: at 1024 x 700
// every control of every area page, of the results panel and of the area
// row lies whole inside its parent, no two named controls overlap, and added
// space goes to the charts and the grids.
#include "MainWindowFixture.h"

#include "platform/Chart.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <sstream>

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
