// File Print and the pump curve's Print: the question, the printer dialog,
// the pages written (read back with poppler's tools) and what the printed
// sheet stores; the layout windows are drawn unseen and gone afterwards.
#include "FileSizeLimit.h"
#include "MainWindowFixture.h"

#include "catalogue/SharedServices.h"
#include "platform/Chart.h"
#include "reports/PrintCommands.h"
#include "reports/PrintSheets.h"
#include "reports/ReportPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <optional>

namespace {

const QStringList kLayoutWindows = {"frmPrintFlowGraph", "frmPrintCompare", "frmComponentList", "frmPrintPumpCurve"};

// Records every layout window that is ever shown, on screen or not.
class ShowWatch : public QObject {
public:
    ShowWatch() { qApp->installEventFilter(this); }
    ~ShowWatch() override { qApp->removeEventFilter(this); }
    QStringList shown;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && kLayoutWindows.contains(o->objectName()))
            shown << o->objectName();
        return false;
    }
};

QStringList layoutWindowsLeft()
{
    QStringList left;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (kLayoutWindows.contains(t->objectName()))
            left << t->objectName();
    return left;
}

// Runs a poppler tool; one that is missing fails the test, saying how to get it.
bool runTool(const QString& tool, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForStarted()) {
        ADD_FAILURE() << tool.toStdString()
                      << " could not be started: install poppler-utils (scripts/deps does) to check printed pages";
        return false;
    }
    p.waitForFinished(60000);
    if (out)
        *out = p.readAllStandardOutput();
    EXPECT_EQ(p.exitCode(), 0) << tool.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

int pageCount(const QString& pdf)
{
    QByteArray info;
    if (!runTool("pdfinfo", {pdf}, &info))
        return -1;
    for (const QByteArray& line : info.split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

constexpr int kDpi = 50;

// The pages of the PDF as pictures at kDpi.
std::vector<QImage> renderPages(const QString& pdf, const QTemporaryDir& into, int dpi = kDpi)
{
    std::vector<QImage> pages;
    if (!runTool("pdftoppm", {"-r", QString::number(dpi), "-png", pdf, into.filePath("page")}))
        return pages;
    const QStringList files = QDir(into.path()).entryList({"page*.png"}, QDir::Files, QDir::Name);
    for (const QString& f : files)
        pages.push_back(QImage(into.filePath(f)));
    return pages;
}

bool ink(QRgb c) { return qRed(c) < 240 || qGreen(c) < 240 || qBlue(c) < 240; }

struct Ink {
    int top = -1, bottom = -1; // first and last row with ink
    bool marginInked = false;  // ink in the band along any edge
    int height() const { return top < 0 ? 0 : bottom - top + 1; }
};

// Where a page has ink; `band` pixels along each edge are the margin,
// outside the printable area.
Ink inkOf(const QImage& page, int band)
{
    Ink k;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (!ink(page.pixel(x, y)))
                continue;
            if (k.top < 0)
                k.top = y;
            k.bottom = y;
            if (x < band || y < band || x >= page.width() - band || y >= page.height() - band)
                k.marginInked = true;
        }
    return k;
}

// Qt's PDF pages keep about 10 pt clear on every side: 0.12 inch is inside it.
constexpr int kBand = kDpi * 12 / 100;

} // namespace

class PrintCommandsTest : public MainWindowTest {
protected:
    QTemporaryDir out;
    ShowWatch watch;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        load();
    }

    void printReport() { w->mnuPrint_Click(); }
    void printPumpCurve() { control<QPushButton>("cmdPrintPump")->click(); }

    // Prints with Yes to the question and OK to the printer dialog; returns
    // the pages, after checking the PDF's page count and the command's leftovers.
    std::vector<QImage> printed(const std::function<void()>& command, int expectedPages, const QString& name,
                                int dpi = kDpi)
    {
        ui.printFile = out.filePath(name + ".pdf");
        ui.printerAnswers = {true};
        ui.messages.clear();
        command();
        EXPECT_EQ(ui.messages.size(), 1u) << "only the question is asked";
        EXPECT_TRUE(layoutWindowsLeft().isEmpty()) << layoutWindowsLeft().join(", ").toStdString();
        if (!QFileInfo::exists(ui.printFile)) {
            ADD_FAILURE() << "nothing printed to " << ui.printFile.toStdString();
            return {};
        }
        EXPECT_EQ(pageCount(ui.printFile), expectedPages);
        QTemporaryDir pictures;
        return renderPages(ui.printFile, pictures, dpi);
    }
};

TEST_F(PrintCommandsTest, TheReportPrintsTwoPagesWithTheComparisonAboveTheListFromFifteenNozzles)
{
    std::map<int, Ink> sheetTwo;
    for (const int n : {14, 15}) {
        SCOPED_TRACE(testing::Message() << n << " nozzles");
        calculate(n);
        const std::vector<QImage> pages = printed([&] { printReport(); }, 2, QString::number(n));
        ASSERT_EQ(pages.size(), 2u);
        for (size_t k = 0; k < pages.size(); ++k) {
            const Ink i = inkOf(pages[k], kBand);
            EXPECT_GT(i.height(), pages[k].height() / 10) << "page " << k + 1 << " is (nearly) blank";
            EXPECT_FALSE(i.marginInked) << "page " << k + 1 << " draws outside the printable area";
        }
        sheetTwo[n] = inkOf(pages[1], kBand);
    }
    // From 15 nozzles the two comparison grids stand above the list.
    EXPECT_GT(sheetTwo[15].height(), sheetTwo[14].height() + kDpi / 2);
    EXPECT_TRUE(watch.shown.isEmpty()) << watch.shown.join(", ").toStdString();
}

TEST_F(PrintCommandsTest, ThePumpCurvePrintsOnePage)
{
    calculate(8);
    const std::vector<QImage> pages = printed([&] { printPumpCurve(); }, 1, "pump");
    ASSERT_EQ(pages.size(), 1u);
    const Ink i = inkOf(pages[0], kBand);
    EXPECT_GT(i.height(), pages[0].height() / 4);
    EXPECT_FALSE(i.marginInked);
    EXPECT_EQ(ui.messages[0].text, "Do you want to Print Pump Performance Curve?");
    EXPECT_TRUE(watch.shown.isEmpty()) << watch.shown.join(", ").toStdString();
}

TEST_F(PrintCommandsTest, NoCancelAndAFailedWriteLeaveNoFile)
{
    calculate(8);
    const struct {
        const char* name;
        QString question;
        std::function<void()> run;
    } commands[] = {
        {"report", "Do you want to Print the Report?", [&] { printReport(); }},
        {"pump curve", "Do you want to Print Pump Performance Curve?", [&] { printPumpCurve(); }},
    };
    enum Case { No, Cancel, Unwritable };
    for (const auto& c : commands)
        for (const Case k : {No, Cancel, Unwritable}) {
            SCOPED_TRACE(std::string(c.name) + (k == No ? ": No" : k == Cancel ? ": Cancel" : ": unwritable"));
            QTemporaryDir dir;
            ui.messages.clear();
            ui.pointers.clear();
            ui.printedFiles.clear();
            ui.answers = {k == No ? platform::MsgResult::No : platform::MsgResult::Yes};
            ui.printerAnswers = {k != Cancel};
            ui.printFile = k == Unwritable ? dir.filePath("missing/out.pdf") : dir.filePath("out.pdf");
            c.run();

            ASSERT_GE(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, c.question);
            EXPECT_EQ(ui.messages[0].caption, kAppTitle);
            EXPECT_EQ(ui.messages[0].buttons, platform::MsgButtons::YesNo);
            EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::None);
            EXPECT_EQ(ui.messages.size(), k == Unwritable ? 2u : 1u) << testing::PrintToString(messages());
            if (k == Unwritable && ui.messages.size() == 2) {
                EXPECT_EQ(ui.messages[1].caption, kAppTitle);
            }
            EXPECT_EQ(ui.printerAnswers.empty(), k != No) << "the printer dialog comes only after Yes";
            if (k == No) {
                EXPECT_TRUE(ui.pointers.empty());
            } else {
                EXPECT_TRUE(!ui.pointers.empty() && ui.pointers.back() == platform::Pointer::Default);
            }
            EXPECT_FALSE(QFileInfo::exists(ui.printFile));
            EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "something was written";
            EXPECT_TRUE(layoutWindowsLeft().isEmpty()) << layoutWindowsLeft().join(", ").toStdString();
        }
    EXPECT_TRUE(watch.shown.isEmpty()) << watch.shown.join(", ").toStdString();
}

TEST_F(PrintCommandsTest, TheReportStoresWhatItsFlowGraphSheetShows)
{
    calculate(8);
    const int rows = m->intPlotNozzles;
    ASSERT_GE(int(m->sngFlowGraphData.size()), rows + 1);
    // Gaps the sheet must mark as points left out, beside flows it keeps.
    for (int r = 1; r <= rows; r += 2)
        m->sngFlowGraphData[size_t(r)][1] = 0.0f;
    m->sngFlowGraphData[2][2] = 0.0f;
    auto expected = m->sngFlowGraphData;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 2; ++c)
            if (expected[size_t(r)][size_t(c)] == 0.0f)
                expected[size_t(r)][size_t(c)] = -1.0f;
    const double screenAxis = w->MSChart1().valueMaximum(1);
    m->dblFlowAxisMax = 0;

    ui.printerAnswers = {true};
    ui.printFile = out.filePath("report.pdf");
    printReport();
    ASSERT_TRUE(QFileInfo::exists(ui.printFile));
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 2; ++c)
            EXPECT_EQ(m->sngFlowGraphData[size_t(r)][size_t(c)], expected[size_t(r)][size_t(c)])
                << "row " << r << " column " << c;
    EXPECT_GT(screenAxis, 0);
    EXPECT_EQ(m->dblFlowAxisMax, screenAxis);
}

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST_F(PrintCommandsTest, APrintOverAnExistingPdfReplacesItOnlyWhenComplete)
{
    calculate(8);
    const struct {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"report", [&] { printReport(); }},
        {"pump curve", [&] { printPumpCurve(); }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        // The size of the whole print, to cut a later one short by its last bytes.
        QTemporaryDir sizing;
        ui.printFile = sizing.filePath("whole.pdf");
        ui.printerAnswers = {true};
        c.run();
        const qint64 whole = QFileInfo(ui.printFile).size();
        ASSERT_GT(whole, 1000);

        const QByteArray old = "%PDF-1.4 the report printed last week";
        // Cancel; a disk that fills at once, in the middle, or before the
        // last bytes only; then a print that succeeds.
        const std::optional<qint64> limits[] = {std::nullopt, 1, whole / 2, whole - 3};
        for (const auto& limit : limits) {
            SCOPED_TRACE(limit ? "disk full after " + std::to_string(*limit) + " bytes" : std::string("Cancel"));
            QTemporaryDir dir;
            const QString target = dir.filePath("report.pdf");
            {
                QFile f(target);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(old);
            }
            ui.messages.clear();
            ui.printFile = target;
            ui.printerAnswers = {limit.has_value()};
            {
                std::optional<FileSizeLimit> full;
                if (limit)
                    full.emplace(rlim_t(*limit));
                c.run();
            }
            EXPECT_EQ(bytesOf(target), old) << "the old file is kept";
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"})
                << "nothing is left beside it";
            ASSERT_EQ(ui.messages.size(), limit ? 2u : 1u) << testing::PrintToString(messages());
            if (limit) {
                EXPECT_EQ(ui.messages[1].text,
                          QStringLiteral("The print could not be completed: \"%1\" could not be written.").arg(target));
                EXPECT_EQ(ui.messages[1].caption, kAppTitle);
            }
            EXPECT_TRUE(!ui.pointers.empty() && ui.pointers.back() == platform::Pointer::Default);
        }

        // A print that completes replaces the old file by the whole new one,
        // with the old file's rights.
        QTemporaryDir dir;
        const QString target = dir.filePath("report.pdf");
        {
            QFile f(target);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        const auto rights = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        ASSERT_TRUE(QFile::setPermissions(target, rights));
        ui.messages.clear();
        ui.printFile = target;
        ui.printerAnswers = {true};
        c.run();
        EXPECT_EQ(ui.messages.size(), 1u) << testing::PrintToString(messages());
        const QByteArray printed = bytesOf(target);
        EXPECT_EQ(printed.size(), whole);
        EXPECT_TRUE(printed.startsWith("%PDF-"));
        EXPECT_TRUE(printed.trimmed().endsWith("%%EOF"));
        EXPECT_EQ(QFile::permissions(target) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), rights);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
    }
}

namespace {

// Where a layout window's rectangle (twips) lands on a page rendered at
// `dpi`: the window is fitted into the printable area of the printer the
// commands use (Qt's PDF page and margins), from its corner.
class PlacedSheet {
public:
    PlacedSheet(QSize sheetTwips, int dpi) : m_dpi(dpi)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
        m_corner = area.topLeft();
        m_scale = reports::fitSheet(QSizeF(sheetTwips), area.size() * 1440.0).scale;
    }
    QRect onPage(const QRect& twips) const
    {
        const auto x = [&](double t) { return int(std::lround((m_corner.x() + t * m_scale / 1440.0) * m_dpi)); };
        const auto y = [&](double t) { return int(std::lround((m_corner.y() + t * m_scale / 1440.0) * m_dpi)); };
        return QRect(QPoint(x(twips.left()), y(twips.top())), QPoint(x(twips.right()), y(twips.bottom())));
    }

private:
    int m_dpi;
    QPointF m_corner; // inches
    double m_scale = 1.0;
};

// The ink of a part of a page: dark marks (text, lines) and coloured ones
// (the charts' series and markers), and how far across the coloured reach.
struct PartInk {
    int dark = 0, coloured = 0;
    int colouredLeft = -1, colouredRight = -1;
    int colouredWidth() const { return colouredLeft < 0 ? 0 : colouredRight - colouredLeft + 1; }
};

PartInk inkIn(const QImage& page, const QRect& rect)
{
    PartInk k;
    const QRect r = rect.intersected(page.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = page.pixel(x, y);
            const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
            if (high - low > 60) {
                ++k.coloured;
                if (k.colouredLeft < 0 || x < k.colouredLeft)
                    k.colouredLeft = x;
                k.colouredRight = std::max(k.colouredRight, x);
            } else if (high < 160) {
                ++k.dark;
            }
        }
    return k;
}

// A cell of sheet 1's flow improvement table, inside its rules (twips).
QRect tableCell(int row, int column)
{
    return QRect(2520 + 600 * column + 60, 9360 + 240 * row + 40, 600 - 120, 240 - 80);
}

constexpr int kContentDpi = 100;

} // namespace

// The printed pages carry what their layouts must show: sheet 1's graph
// with its lines and markers across the chart, a text in every cell of its
// flow improvement table and every row caption, the pump captions; the pump
// page's curve across its chart.
TEST_F(PrintCommandsTest, EveryPartOfTheSheetsIsOnThePaper)
{
    calculate(8);
    const std::vector<QImage> report = printed([&] { printReport(); }, 2, "content", kContentDpi);
    ASSERT_EQ(report.size(), 2u);
    const QImage& sheet = report[0];
    const PlacedSheet one(reports::kFlowGraphSheetTwips, kContentDpi);

    const QRect chart = one.onPage(QRect(1440, 3240, 7815, 4335));
    const PartInk graph = inkIn(sheet, chart);
    EXPECT_GT(graph.coloured, 200) << "the flow graph's lines and markers";
    EXPECT_GT(graph.colouredWidth(), chart.width() / 2) << "the lines run across the graph";
    EXPECT_GT(graph.dark, 200) << "the graph's axes and titles";
    EXPECT_EQ(inkIn(sheet, one.onPage(QRect(240, 9240, 10815, 1455))).coloured, 0) << "the table is black";

    for (int row = 0; row < 5; ++row) {
        EXPECT_GT(inkIn(sheet, one.onPage(QRect(400, 9360 + 240 * row + 40, 2000, 160))).dark, 10)
            << "caption of row " << row;
        for (int column = 0; column < reports::kSheetTableColumns; ++column)
            EXPECT_GT(inkIn(sheet, one.onPage(tableCell(row, column))).dark, 8)
                << "table row " << row << ", column " << column << " is empty";
    }
    for (const int top : {7920, 8400})
        EXPECT_GT(inkIn(sheet, one.onPage(QRect(480, top, 6000, 255))).dark, 20) << "pump caption at " << top;

    const std::vector<QImage> pump = printed([&] { printPumpCurve(); }, 1, "pump content", kContentDpi);
    ASSERT_EQ(pump.size(), 1u);
    const PlacedSheet page(reports::kPumpCurvePageTwips, kContentDpi);
    const QRect pumpChart = page.onPage(QRect(840, 1440, 9855, 8775));
    const PartInk curve = inkIn(pump[0], pumpChart);
    EXPECT_GT(curve.coloured, 200) << "the pump curve";
    EXPECT_GT(curve.colouredWidth(), pumpChart.width() / 3) << "the curve runs across the chart";
    EXPECT_GT(curve.dark, 200) << "the chart's axes and titles";
    EXPECT_GT(inkIn(pump[0], page.onPage(QRect(4440, 840, 4335, 375))).dark, 20) << "the page's heading";
}

// Sheet 2 carries every text of its grids: each cell that holds one (a
// merged run once) has ink inside its lines, the comparison grids above the
// component list from 15 nozzles.
TEST_F(PrintCommandsTest, EveryTextOfSheetTwoIsOnThePaper)
{
    calculate(15);
    std::vector<std::pair<reports::ReportGrid, QPoint>> grids;
    {
        frmPrintCompare compare(*m);
        compare.Form_Load();
        frmComponentList list(*w);
        list.Form_Load();
        for (const reports::SheetTwoPart& part : reports::sheetTwoParts(m->intNozzlesEntered))
            grids.emplace_back(part.item == reports::SheetTwoItem::Compare       ? compare.flxCompare->grid()
                               : part.item == reports::SheetTwoItem::NextCompare ? compare.flxNextCompare->grid()
                                                                                 : list.flxComponentPrint->grid(),
                               part.at);
    }
    ASSERT_EQ(grids.size(), 3u);
    const std::vector<QImage> report = printed([&] { printReport(); }, 2, "sheet two", kContentDpi);
    ASSERT_EQ(report.size(), 2u);

    QSizeF extent;
    for (const auto& [grid, at] : grids)
        extent = extent.expandedTo(QSizeF(at.x() + grid.sizeTwips().width(), at.y() + grid.sizeTwips().height()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    const reports::SheetPlacement placement = reports::fitSheetTwo(extent, area.size() * 1440.0);
    const auto onPage = [&](const QRectF& twips) {
        const QRectF inches((placement.origin + twips.topLeft() * placement.scale) / 1440.0,
                            twips.size() * placement.scale / 1440.0);
        return QRectF(inches.translated(area.topLeft()).topLeft() * kContentDpi, inches.size() * kContentDpi)
            .toAlignedRect();
    };

    int cells = 0;
    for (const auto& [grid, at] : grids) {
        for (int r = 0, top = 0; r < grid.rows(); top += grid.rowHeight(r), ++r) {
            const auto runs = reports::mergedRuns(grid, r);
            for (int c = 0, left = 0; c < grid.cols();) {
                int last = c;
                for (const auto& run : runs)
                    if (run.first == c)
                        last = run.second;
                int width = 0;
                for (int k = c; k <= last; ++k)
                    width += grid.colWidthTwips[size_t(k)];
                const QString text = grid.cells.TextMatrix(r, c);
                if (!text.trimmed().isEmpty() && grid.rowHeight(r) > 0) {
                    ++cells;
                    const QRectF inside(at.x() + left + 30, at.y() + top + 40, width - 60, grid.rowHeight(r) - 80);
                    EXPECT_GT(inkIn(report[1], onPage(inside)).dark, 5)
                        << "\"" << text.toStdString() << "\" (row " << r << ", column " << c << ") is missing";
                }
                left += width;
                c = last + 1;
            }
        }
    }
    EXPECT_GT(cells, 100);
}

namespace {

// Which page of a single print each printed page is (its number from 1, 0
// for none): the pages are told apart by their pictures.
std::vector<int> pageNumbers(const std::vector<QImage>& pages, const std::vector<QImage>& single)
{
    std::vector<int> numbers;
    for (const QImage& page : pages) {
        const auto same = std::find(single.begin(), single.end(), page);
        numbers.push_back(same == single.end() ? 0 : int(same - single.begin()) + 1);
    }
    return numbers;
}

constexpr int kOrderDpi = 20;

} // namespace

// The copies, their collation and the reverse order chosen in the printer
// dialog, on a print to a PDF file (whose printer makes no copies): the
// program draws every copy, in the order asked for.
TEST_F(PrintCommandsTest, APrintHasTheCopiesAndThePageOrderChosen)
{
    calculate(8);
    const struct {
        const char* name;
        std::function<void()> run;
        int copies;
        bool collate, reverse;
        std::vector<int> sequence;
    } cases[] = {
        {"report", [&] { printReport(); }, 2, true, true, {2, 1, 2, 1}},
        {"report", [&] { printReport(); }, 2, false, false, {1, 1, 2, 2}},
        {"report", [&] { printReport(); }, 2, false, true, {2, 2, 1, 1}},
        {"report", [&] { printReport(); }, 1, true, true, {2, 1}},
        {"pump curve", [&] { printPumpCurve(); }, 3, true, false, {1, 1, 1}},
    };
    std::map<std::string, std::vector<QImage>> single;
    single["report"] = printed([&] { printReport(); }, 2, "report", kOrderDpi);
    single["pump curve"] = printed([&] { printPumpCurve(); }, 1, "pump", kOrderDpi);
    ASSERT_EQ(single["report"].size(), 2u);
    ASSERT_EQ(single["pump curve"].size(), 1u);
    ASSERT_NE(single["report"][0], single["report"][1]);

    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", " << c.copies << " copies" << (c.collate ? ", collated" : "")
                                        << (c.reverse ? ", reverse" : ""));
        ui.printCopies = c.copies;
        ui.printCollate = c.collate;
        ui.printReverse = c.reverse;
        const std::vector<QImage> pages = printed(c.run, int(c.sequence.size()), QStringLiteral("copies"), kOrderDpi);
        EXPECT_EQ(pageNumbers(pages, single[c.name]), c.sequence);
    }
    EXPECT_TRUE(watch.shown.isEmpty()) << watch.shown.join(", ").toStdString();
}
