// The main window drawn offscreen after start-up: both charts hold their
// series and the picture is not blank.
#include "MainWindowFixture.h"

#include "platform/Chart.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <set>

namespace {
// Distinct colours in a sample of the image's pixels.
size_t colourCount(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return colours.size();
}
} // namespace

TEST_F(MainWindowTest, WindowAfterStartUpShowsBothCharts)
{
    QImage layout(400, 300, QImage::Format_RGB32);
    layout.fill(QColor(235, 240, 230));
    QDir().mkpath(folder.file("Image"));
    layout.save(folder.file("Image/1Pump1Branch.jpg"), "JPG");
    frmMain& win = load();
    EXPECT_FALSE(win.findChild<QLabel*>("PicSiteLayout")->pixmap().isNull());
    win.resize(1200, 880);
    win.show();
    QApplication::processEvents(); // the charts draw once the event loop runs
    const QImage shot = win.grab().toImage();
    // Set TDR_SCREENSHOT to a file name to look at the picture.
    if (const QByteArray out = qgetenv("TDR_SCREENSHOT"); !out.isEmpty()) {
        shot.save(QString::fromLocal8Bit(out) + ".png");
        for (int page = 1; page < 4; ++page) {
            control<QTabWidget>("tabMain")->setCurrentIndex(page);
            QApplication::processEvents();
            win.grab().save(QString::fromLocal8Bit(out) + QString("-page%1.png").arg(page));
        }
        control<QTabWidget>("tabMain")->setCurrentIndex(0);
    }
    EXPECT_EQ(shot.size(), win.size());
    EXPECT_GT(colourCount(shot), 20u);

    platform::Chart& flow = win.MSChart1();
    EXPECT_EQ(flow.rowCount(), 10);
    EXPECT_FALSE(flow.segments(1).empty()); // baseline
    EXPECT_FALSE(flow.segments(2).empty()); // current
    EXPECT_GT(colourCount(flow.picture()), 5u);

    platform::Chart& pump = win.MSChart2();
    EXPECT_GT(pump.rowCount(), 0);
    EXPECT_FALSE(pump.segments(1).empty());
    EXPECT_EQ(pump.title(), "STP 1/3 HP 60Hz");
}
