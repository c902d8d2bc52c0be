#include "PrintCommands.h"

#include "PrintFile.h"
#include "PrintSheets.h"
#include "ReportPages.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "platform/Twips.h"
#include "platform/UiServices.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

using platform::ui;

namespace reports {

namespace {

// Layout windows are drawn as pictures at this many pixels to the screen's
// pixel: about 300 dpi on paper.
constexpr double kPictureScale = 3.0;

QImage widgetPicture(QWidget& widget)
{
    QImage image(widget.size() * kPictureScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPictureScale);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// A print run: the printer the dialog set up and its painter in twips of the
// printable area. Any failure ends it with one message.
class PrintRun {
public:
    explicit PrintRun(QPrinter& printer) : m_printer(printer), m_target(printer.outputFileName()) {}

    bool begin()
    {
        if (!m_target.isEmpty()) {
            if (!m_beside.reserve(m_target))
                return fail();
            m_printer.setOutputFileName(m_beside.path());
        }
        if (!m_painter.begin(&m_printer))
            return fail();
        return true;
    }
    QPainter& painter() { return m_painter; }
    QSizeF areaTwips() const
    {
        const QRectF inches = m_printer.pageLayout().paintRect(QPageLayout::Inch);
        return inches.size() * double(platform::kTwipsPerInch);
    }
    // The painter set for a sheet's placement (one unit one twip).
    void place(const SheetPlacement& at)
    {
        m_painter.resetTransform();
        const double toDevice = m_printer.resolution() / double(platform::kTwipsPerInch);
        m_painter.scale(toDevice, toDevice);
        m_painter.translate(at.origin);
        m_painter.scale(at.scale, at.scale);
    }
    bool newPage() { return m_printer.newPage() || fail(); }
    bool end()
    {
        const bool ended = m_painter.end();
        if (!ended || m_printer.printerState() == QPrinter::Error)
            return fail();
        if (!m_target.isEmpty() && !m_beside.commit())
            return fail();
        return true;
    }
    bool fail()
    {
        if (m_painter.isActive()) {
            m_printer.abort();
            m_painter.end();
        }
        // A printer's failure has the program's own message; a file names itself.
        if (m_target.isEmpty())
            catalogue::ShowMessage(Msg::PrinterError);
        else if (m_beside.error().isEmpty())
            catalogue::ShowText(
                QStringLiteral("The print could not be completed: \"%1\" could not be written.").arg(m_target));
        else
            catalogue::ShowText(QStringLiteral("The print could not be completed: \"%1\" could not be written: %2.")
                                    .arg(m_target, m_beside.error()));
        return false;
    }

private:
    QPrinter& m_printer;
    const QString m_target; // the file chosen, if the print goes to one
    FileBeside m_beside;
    QPainter m_painter;
};

void drawPicture(QPainter& painter, const QImage& picture, QSize twips)
{
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(twips)), picture);
}

void drawGrid(QPainter& painter, const ReportGrid& grid, QPoint at)
{
    painter.save();
    painter.translate(at);
    paintReportGrid(painter, grid);
    painter.restore();
}

bool askToPrint(const QString& question)
{
    return ui().messageBox(question, kAppTitle, platform::MsgButtons::YesNo, platform::MsgIcon::None)
           == platform::MsgResult::Yes;
}

} // namespace

SheetPlacement fitSheet(QSizeF sheet, QSizeF area)
{
    SheetPlacement at;
    if (sheet.width() > 0 && sheet.height() > 0)
        at.scale = std::min({1.0, area.width() / sheet.width(), area.height() / sheet.height()});
    return at;
}

std::vector<SheetTwoPart> sheetTwoParts(int n)
{
    if (n <= 14)
        return {{SheetTwoItem::ComponentList, {0, 0}}};
    return {{SheetTwoItem::Compare, {100, 30}},
            {SheetTwoItem::NextCompare, {100, 2000}},
            {SheetTwoItem::ComponentList, {100, 4000}}};
}

SheetPlacement fitSheetTwo(QSizeF extent, QSizeF area)
{
    const QSizeF whole(kSheetTwoOrigin.x() + extent.width(), kSheetTwoOrigin.y() + extent.height());
    SheetPlacement at = fitSheet(whole, area);
    at.origin = QPointF(kSheetTwoOrigin) * at.scale;
    return at;
}

std::vector<int> pageSequence(int pages, int copies, bool collate, bool reverse)
{
    std::vector<int> sequence;
    const int each = std::max(copies, 1);
    const auto page = [&](int k) { return reverse ? pages - k : k + 1; };
    if (collate) {
        for (int copy = 0; copy < each; ++copy)
            for (int k = 0; k < pages; ++k)
                sequence.push_back(page(k));
    } else {
        for (int k = 0; k < pages; ++k)
            sequence.insert(sequence.end(), size_t(each), page(k));
    }
    return sequence;
}

namespace {

// A print from its question on: the printer, the hourglass while it runs,
// the painter on the printer chosen and what the program does itself of the
// copies and the order the dialog asked for.
struct PrintJob {
    QPrinter printer{QPrinter::HighResolution};
    platform::HourglassGuard hourglass;
    std::unique_ptr<PrintRun> run;
    int copies = 1;
    bool collate = true;
    bool reverse = false;
};

// Takes over from the printer what it would not do of the dialog's choices.
// Qt's PDF engine makes no copies: the program draws them and tells the
// printer one. A printer that makes copies (Qt's CUPS engine) keeps them and
// their collation. No engine puts the last page first: the program always
// does, and tells the printer first page first so that none turns it back.
void takeCopiesAndOrder(PrintJob& job)
{
    QPrinter& printer = job.printer;
    job.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    job.collate = printer.collateCopies();
    if (!printer.supportsMultipleCopies()) {
        job.copies = printer.copyCount();
        printer.setCopyCount(1);
    }
    printer.setPageOrder(QPrinter::FirstPageFirst);
}

// Asks the question, then shows the hourglass and the printer dialog and
// begins the painter. Nothing on No or Cancel, which stay silent, or on a
// failure, which has been said.
std::unique_ptr<PrintJob> startPrint(const QString& question)
{
    if (!askToPrint(question))
        return nullptr;
    auto job = std::make_unique<PrintJob>();
    if (!ui().printerDialog(job->printer))
        return nullptr;
    takeCopiesAndOrder(*job);
    job->run = std::make_unique<PrintRun>(job->printer);
    if (!job->run->begin())
        return nullptr;
    return job;
}

// A page of a document, drawn on the run from what was built for it: a page
// printed more than once is built once.
using PageDraw = std::function<void(PrintRun&)>;

// A layout window's page: its picture, taken once from a layout built for
// it and gone afterwards, scaled into the printable area.
template <class Layout, class... Sources>
PageDraw layoutPage(QSize twips, Sources&... sources)
{
    Layout layout(sources...);
    layout.Form_Load();
    return [picture = widgetPicture(layout), twips](PrintRun& run) {
        run.place(fitSheet(QSizeF(twips), run.areaTwips()));
        drawPicture(run.painter(), picture, twips);
    };
}

// Sheet 2: what goes where, then its scale from the extent of it all.
PageDraw sheetTwoPage(Module1& m, ReportWindow& r)
{
    const auto parts = sheetTwoParts(m.intNozzlesEntered);
    // The comparison grids' layout is built only when sheet 2 carries them.
    std::optional<frmPrintCompare> compare;
    if (parts.size() > 1) {
        compare.emplace(m);
        compare->Form_Load();
    }
    frmComponentList list(r);
    list.Form_Load();
    auto gridOf = [&](SheetTwoItem item) -> const ReportGrid& {
        switch (item) {
        case SheetTwoItem::Compare: return compare.value().flxCompare->grid();
        case SheetTwoItem::NextCompare: return compare.value().flxNextCompare->grid();
        default: return list.flxComponentPrint->grid();
        }
    };
    std::vector<std::pair<ReportGrid, QPoint>> grids;
    QSizeF extent;
    for (const SheetTwoPart& part : parts) {
        grids.emplace_back(gridOf(part.item), part.at);
        const QSize size = grids.back().first.sizeTwips();
        extent = extent.expandedTo(QSizeF(part.at.x() + size.width(), part.at.y() + size.height()));
    }
    return [grids = std::move(grids), extent](PrintRun& run) {
        run.place(fitSheetTwo(extent, run.areaTwips()));
        for (const auto& [grid, at] : grids)
            drawGrid(run.painter(), grid, at);
    };
}

// Draws the document's pages, copies and order as the job says, and ends it.
void printPages(PrintJob& job, const std::vector<PageDraw>& pages)
{
    const std::vector<int> sequence = pageSequence(int(pages.size()), job.copies, job.collate, job.reverse);
    for (size_t k = 0; k < sequence.size(); ++k) {
        if (k > 0 && !job.run->newPage())
            return;
        pages[size_t(sequence[k] - 1)](*job.run);
    }
    job.run->end();
}

} // namespace

void PrintReport(Module1& m, ReportWindow& r)
{
    const std::unique_ptr<PrintJob> job = startPrint(QStringLiteral("Do you want to Print the Report?"));
    if (!job)
        return;
    // Each layout is built once, sheet 1's first: building it stores what
    // the sheet shows.
    std::vector<PageDraw> pages;
    pages.push_back(layoutPage<frmPrintFlowGraph>(kFlowGraphSheetTwips, m, r));
    pages.push_back(sheetTwoPage(m, r));
    printPages(*job, pages);
}

void PrintPumpCurve(Module1& m, MainWindowInputs& w)
{
    const std::unique_ptr<PrintJob> job = startPrint(QStringLiteral("Do you want to Print Pump Performance Curve?"));
    if (!job)
        return;
    printPages(*job, {layoutPage<frmPrintPumpCurve>(kPumpCurvePageTwips, m, w)});
}

} // namespace reports
