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
#include <QPrintEngine>
#include <QPrinter>
#include <QStringView>
#include <algorithm>
#include <climits>
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

namespace {

// `pages` in their order, `copies` times over: each copy whole in turn when
// `collate`, each page's copies together when not. Fewer than one copy is one.
std::vector<int> repeated(const std::vector<int>& pages, int copies, bool collate)
{
    std::vector<int> sequence;
    const size_t each = size_t(std::max(copies, 1));
    if (collate) {
        for (size_t copy = 0; copy < each; ++copy)
            sequence.insert(sequence.end(), pages.begin(), pages.end());
    } else {
        for (const int page : pages)
            sequence.insert(sequence.end(), each, page);
    }
    return sequence;
}

// A page number as the print server reads one: digits only, from 1.
std::optional<int> pageNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1)
        return std::nullopt;
    return number;
}

// The ranges of a page range's text: pages and ranges between commas, a
// range open at its start beginning at page 1, one open at its end running
// to the last page. Nothing when any part cannot be read.
std::optional<std::vector<PageChoice::Range>> pageRanges(QStringView text)
{
    std::vector<PageChoice::Range> ranges;
    for (const QStringView part : text.split(u',')) {
        const qsizetype dash = part.indexOf(u'-');
        if (dash < 0) {
            const std::optional<int> page = pageNumber(part);
            if (!page)
                return std::nullopt;
            ranges.push_back({*page, *page});
            continue;
        }
        const QStringView from = part.left(dash).trimmed();
        const QStringView to = part.mid(dash + 1).trimmed();
        const std::optional<int> first = from.isEmpty() ? std::optional<int>(1) : pageNumber(from);
        const std::optional<int> last = to.isEmpty() ? std::optional<int>(INT_MAX) : pageNumber(to);
        if ((from.isEmpty() && to.isEmpty()) || !first || !last || *last < *first)
            return std::nullopt;
        ranges.push_back({*first, *last});
    }
    return ranges;
}

} // namespace

std::vector<int> pageSequence(int pages, int copies, bool collate, bool reverse)
{
    std::vector<int> order;
    for (int page = 1; page <= pages; ++page)
        order.push_back(page);
    if (reverse)
        std::reverse(order.begin(), order.end());
    return repeated(order, copies, collate);
}

bool PageChoice::keeps(int page) const
{
    if (unreadable || (set == PageSet::Odd && page % 2 == 0) || (set == PageSet::Even && page % 2 != 0))
        return false;
    return ranges.empty() || std::any_of(ranges.begin(), ranges.end(), [&](const Range& r) {
               return r.first <= page && page <= r.last;
           });
}

ServerOptions splitServerOptions(const QStringList& options)
{
    ServerOptions split;
    std::optional<QString> ranges, set;
    for (qsizetype k = 0; k < options.size(); k += 2) {
        const QString& name = options[k];
        // A name without its value has an empty one, as Qt's engine gives it.
        const QString value = k + 1 < options.size() ? options[k + 1] : QString();
        if (name.compare(u"page-ranges", Qt::CaseInsensitive) == 0) {
            ranges = value;
        } else if (name.compare(u"page-set", Qt::CaseInsensitive) == 0) {
            set = value;
        } else {
            split.others << name;
            if (k + 1 < options.size())
                split.others << value;
        }
    }
    PageChoice& pages = split.pages;
    if (ranges) {
        if (auto read = pageRanges(*ranges))
            pages.ranges = std::move(*read);
        else
            pages.unreadable = true;
    }
    if (set) {
        if (set->compare(u"odd", Qt::CaseInsensitive) == 0)
            pages.set = PageSet::Odd;
        else if (set->compare(u"even", Qt::CaseInsensitive) == 0)
            pages.set = PageSet::Even;
        else if (set->compare(u"all", Qt::CaseInsensitive) != 0)
            pages.unreadable = true;
    }
    return split;
}

PrintPlan planPrint(const PrintChoice& choice, int pages)
{
    const ServerOptions server = splitServerOptions(choice.serverOptions);
    // The pages chosen by their number in the document, then their order,
    // then the copies: "page 1, last page first" is page 1.
    std::vector<int> kept;
    for (int page = 1; page <= pages; ++page)
        if (server.pages.keeps(page))
            kept.push_back(page);
    if (choice.reverse)
        std::reverse(kept.begin(), kept.end());
    PrintPlan plan;
    plan.sequence = repeated(kept, choice.printerMakesCopies ? 1 : choice.copies, choice.collate);
    plan.printerCopies = choice.printerMakesCopies ? std::max(choice.copies, 1) : 1;
    plan.printerCollate = choice.collate;
    plan.printerLastPageFirst = false;
    plan.serverOptions = server.others;
    return plan;
}

namespace {

// Where Qt's CUPS engine keeps the print server's options the dialog set (a
// name and its value in turn); its PDF engine keeps none and gives nothing.
constexpr auto kServerOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

} // namespace

PrintPlan takePrintPlan(QPrinter& printer, int pages)
{
    QPrintEngine& engine = *printer.printEngine();
    PrintChoice choice;
    choice.copies = printer.copyCount();
    choice.collate = printer.collateCopies();
    choice.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    choice.printerMakesCopies = printer.supportsMultipleCopies();
    choice.serverOptions = engine.property(kServerOptionsKey).toStringList();
    const PrintPlan plan = planPrint(choice, pages);
    printer.setCopyCount(plan.printerCopies);
    printer.setCollateCopies(plan.printerCollate);
    printer.setPageOrder(plan.printerLastPageFirst ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    if (plan.serverOptions != choice.serverOptions)
        engine.setProperty(kServerOptionsKey, plan.serverOptions);
    return plan;
}

namespace {

// A print from its question on: the printer, the hourglass while it runs,
// the painter on the printer chosen and the pages the program draws, in
// their order, of the copies and the part of the document the dialog asked
// for.
struct PrintJob {
    QPrinter printer{QPrinter::HighResolution};
    platform::HourglassGuard hourglass;
    std::unique_ptr<PrintRun> run;
    std::vector<int> sequence;
};

// Asks the question, then shows the hourglass and the printer dialog, takes
// the plan for a document of `pages` pages and begins the painter. Nothing
// on No or Cancel, which stay silent, on a choice that keeps no page, which
// prints nothing (no painter begun, so no blank sheet), or on a failure,
// which has been said.
std::unique_ptr<PrintJob> startPrint(const QString& question, int pages)
{
    if (!askToPrint(question))
        return nullptr;
    auto job = std::make_unique<PrintJob>();
    if (!ui().printerDialog(job->printer))
        return nullptr;
    job->sequence = takePrintPlan(job->printer, pages).sequence;
    if (job->sequence.empty())
        return nullptr;
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

// Draws the document's pages in the job's sequence, and ends it.
void printPages(PrintJob& job, const std::vector<PageDraw>& pages)
{
    for (size_t k = 0; k < job.sequence.size(); ++k) {
        if (k > 0 && !job.run->newPage())
            return;
        pages[size_t(job.sequence[k] - 1)](*job.run);
    }
    job.run->end();
}

} // namespace

void PrintReport(Module1& m, ReportWindow& r)
{
    // Sheet 1 and sheet 2; the plan is taken before they are built.
    constexpr int kReportPages = 2;
    const std::unique_ptr<PrintJob> job = startPrint(QStringLiteral("Do you want to Print the Report?"), kReportPages);
    if (!job)
        return;
    // Each layout is built once, sheet 1's first, whichever pages are
    // drawn: building it stores what the sheet shows.
    std::vector<PageDraw> pages;
    pages.push_back(layoutPage<frmPrintFlowGraph>(kFlowGraphSheetTwips, m, r));
    pages.push_back(sheetTwoPage(m, r));
    Q_ASSERT(int(pages.size()) == kReportPages);
    printPages(*job, pages);
}

void PrintPumpCurve(Module1& m, MainWindowInputs& w)
{
    const std::unique_ptr<PrintJob> job = startPrint(QStringLiteral("Do you want to Print Pump Performance Curve?"), 1);
    if (!job)
        return;
    printPages(*job, {layoutPage<frmPrintPumpCurve>(kPumpCurvePageTwips, m, w)});
}

} // namespace reports
