// The order of the pages a print sends: copies made by the program, whole
// in turn or page by page, and last page first; the plan of a print, of
// the page range and page set the dialog chose and of what the printer is
// asked for, on a printer that makes copies and on one that does not.
#include "QStringPrinter.h"

#include "reports/PrintCommands.h"

#include <QPrintEngine>
#include <QPrinter>
#include <gtest/gtest.h>

#include <map>
#include <vector>

TEST(PageSequence, CopiesCollationAndReverseOrder)
{
    const struct {
        int pages, copies;
        bool collate, reverse;
        std::vector<int> sequence;
    } cases[] = {
        // One copy, as the printer gets it when it makes the copies itself.
        {2, 1, true, false, {1, 2}},
        {2, 1, false, false, {1, 2}},
        {2, 1, true, true, {2, 1}},
        {1, 1, false, true, {1}},
        // Copies whole in turn, or each page's copies together.
        {2, 2, true, false, {1, 2, 1, 2}},
        {2, 2, false, false, {1, 1, 2, 2}},
        {2, 2, true, true, {2, 1, 2, 1}},
        {2, 2, false, true, {2, 2, 1, 1}},
        {2, 3, true, true, {2, 1, 2, 1, 2, 1}},
        {3, 2, false, true, {3, 3, 2, 2, 1, 1}},
        {1, 3, true, false, {1, 1, 1}},
        {1, 3, false, true, {1, 1, 1}},
        // Fewer than one copy is one.
        {2, 0, false, false, {1, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reports::pageSequence(c.pages, c.copies, c.collate, c.reverse), c.sequence)
            << c.pages << " pages, " << c.copies << " copies" << (c.collate ? ", collated" : "")
            << (c.reverse ? ", last page first" : "");
}

// The page range and page set that the print server's options carry, read
// by the pages' numbers in the document, and the options left for the
// server without them.
TEST(PageSequence, ServerOptionsGiveThePagesChosenAndKeepTheRest)
{
    const struct {
        QStringList options;
        std::vector<int> kept; // of pages 1 to 6
        QStringList others;
    } cases[] = {
        {{}, {1, 2, 3, 4, 5, 6}, {}},
        {{"job-priority", "50", "number-up", "1"}, {1, 2, 3, 4, 5, 6}, {"job-priority", "50", "number-up", "1"}},
        // The range as the dialog writes it ("from-to"), and every form the server reads.
        {{"page-ranges", "1-1"}, {1}, {}},
        {{"page-ranges", "2"}, {2}, {}},
        {{"page-ranges", "1,3-4,6"}, {1, 3, 4, 6}, {}},
        {{"page-ranges", "5-"}, {5, 6}, {}},
        {{"page-ranges", "-2"}, {1, 2}, {}},
        {{"page-ranges", " 2 - 3 , 5"}, {2, 3, 5}, {}},
        {{"page-ranges", "7-9"}, {}, {}},
        // The page set by the pages' numbers, with or without a range.
        {{"page-set", "odd"}, {1, 3, 5}, {}},
        {{"page-set", "even"}, {2, 4, 6}, {}},
        {{"page-set", "all"}, {1, 2, 3, 4, 5, 6}, {}},
        {{"page-ranges", "2-5", "page-set", "odd"}, {3, 5}, {}},
        {{"page-set", "even", "page-ranges", "1-1"}, {}, {}},
        // Taken out from among the others, names in any case, the last of a name counting.
        {{"job-priority", "50", "PAGE-SET", "Odd", "job-billing", "x"},
         {1, 3, 5},
         {"job-priority", "50", "job-billing", "x"}},
        {{"page-set", "odd", "page-set", "even"}, {2, 4, 6}, {}},
        // What the program cannot read keeps no page.
        {{"page-ranges", ""}, {}, {}},
        {{"page-ranges", "0"}, {}, {}},
        {{"page-ranges", "3-2"}, {}, {}},
        {{"page-ranges", "1-2-3"}, {}, {}},
        {{"page-ranges", "1,,2"}, {}, {}},
        {{"page-ranges", "+2"}, {}, {}},
        {{"page-ranges", "-"}, {}, {}},
        {{"page-ranges", "99999999999"}, {}, {}},
        {{"page-set", "some"}, {}, {}},
        {{"job-priority", "50", "page-set"}, {}, {"job-priority", "50"}},
        // A name without its value stays for the server as it was.
        {{"page-set", "odd", "job-priority"}, {1, 3, 5}, {"job-priority"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.options));
        const reports::ServerOptions split = reports::splitServerOptions(c.options);
        std::vector<int> kept;
        for (int page = 1; page <= 6; ++page)
            if (split.pages.keeps(page))
                kept.push_back(page);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(split.others, c.others);
    }
}

namespace {

// Printers of both kinds, as the commands see them.
constexpr bool kPrinterMakesCopies = true;  // Qt's CUPS engine
constexpr bool kProgramMakesCopies = false; // Qt's PDF engine, a print to a file

} // namespace

// What the program draws and what it asks of the printer, for a printer
// that makes the copies and for one that does not: the copies are made
// once, by one of them; the page range and set are applied to the pages by
// their number in the document before the order is reversed, and are not
// left for the server, which would apply them to the pages as sent.
TEST(PageSequence, APlanDrawsThePagesChosenAndAsksThePrinterForTheRest)
{
    const struct {
        bool printerMakesCopies;
        int pages, copies;
        bool collate, reverse;
        QStringList options;
        std::vector<int> drawn;
        int printerCopies;
        QStringList left;
    } cases[] = {
        // The program makes the copies: every one drawn, the printer told one.
        {kProgramMakesCopies, 2, 2, true, true, {}, {2, 1, 2, 1}, 1, {}},
        {kProgramMakesCopies, 2, 2, false, false, {}, {1, 1, 2, 2}, 1, {}},
        {kProgramMakesCopies, 2, 2, false, true, {}, {2, 2, 1, 1}, 1, {}},
        {kProgramMakesCopies, 2, 1, true, true, {}, {2, 1}, 1, {}},
        {kProgramMakesCopies, 1, 3, true, false, {}, {1, 1, 1}, 1, {}},
        {kProgramMakesCopies, 2, 2, true, false, {"page-ranges", "2-2"}, {2, 2}, 1, {}},
        // The printer makes them: each page drawn once, the printer told them all.
        {kPrinterMakesCopies, 2, 2, true, true, {}, {2, 1}, 2, {}},
        {kPrinterMakesCopies, 2, 2, false, false, {}, {1, 2}, 2, {}},
        {kPrinterMakesCopies, 2, 2, false, true, {}, {2, 1}, 2, {}},
        {kPrinterMakesCopies, 1, 3, true, false, {}, {1}, 3, {}},
        {kPrinterMakesCopies, 2, 1, true, false, {}, {1, 2}, 1, {}},
        // Pages 1, or the odd ones, last page first: page 1; the even ones: page 2.
        {kPrinterMakesCopies, 2, 2, true, true, {"page-ranges", "1-1"}, {1}, 2, {}},
        {kPrinterMakesCopies, 2, 1, true, true, {"page-set", "odd"}, {1}, 1, {}},
        {kPrinterMakesCopies, 2, 1, true, true, {"page-set", "even"}, {2}, 1, {}},
        {kPrinterMakesCopies,
         2,
         1,
         true,
         false,
         {"page-ranges", "2-2", "job-priority", "50"},
         {2},
         1,
         {"job-priority", "50"}},
        {kPrinterMakesCopies, 3, 1, true, true, {"page-set", "odd"}, {3, 1}, 1, {}},
        {kPrinterMakesCopies, 3, 2, false, true, {"page-ranges", "2-3"}, {3, 2}, 2, {}},
        // A choice that keeps no page draws nothing.
        {kPrinterMakesCopies, 2, 2, true, true, {"page-ranges", "3-5"}, {}, 2, {}},
        {kPrinterMakesCopies, 1, 1, true, false, {"page-set", "even"}, {}, 1, {}},
        {kProgramMakesCopies, 1, 3, true, false, {"page-ranges", "x"}, {}, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.printerMakesCopies ? "printer" : "program") << " makes the copies, "
                                        << c.pages << " pages, " << c.copies << " copies"
                                        << (c.collate ? ", collated" : "") << (c.reverse ? ", last page first" : "")
                                        << ", " << testing::PrintToString(c.options));
        reports::PrintChoice choice;
        choice.copies = c.copies;
        choice.collate = c.collate;
        choice.reverse = c.reverse;
        choice.printerMakesCopies = c.printerMakesCopies;
        choice.serverOptions = c.options;
        const reports::PrintPlan plan = reports::planPrint(choice, c.pages);
        EXPECT_EQ(plan.sequence, c.drawn);
        EXPECT_EQ(plan.printerCopies, c.printerCopies);
        EXPECT_EQ(plan.printerCollate, c.collate);
        EXPECT_FALSE(plan.printerLastPageFirst) << "no engine reverses: the program does";
        EXPECT_EQ(plan.serverOptions, c.left);
    }
}

namespace {

// A print engine that keeps what it is told, the print server's options
// among it, as Qt's CUPS engine does, and makes copies or not.
class KeepingEngine : public QPrintEngine {
public:
    explicit KeepingEngine(bool makesCopies) : m_makesCopies(makesCopies) {}
    std::map<int, QVariant> values;

    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override { values[int(key)] = value; }
    QVariant property(PrintEnginePropertyKey key) const override
    {
        if (key == PPK_SupportsMultipleCopies)
            return m_makesCopies;
        const auto it = values.find(int(key));
        return it == values.end() ? QVariant() : it->second;
    }
    bool newPage() override { return false; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric) const override { return 0; }
    QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }

private:
    bool m_makesCopies;
};

// A printer over such an engine, which it does not own.
class PrinterOver : public QPrinter {
public:
    explicit PrinterOver(QPrintEngine& engine) { setEngines(&engine, nullptr); }
};

const auto kServerOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

} // namespace

// The plan is taken from what the dialog left on the printer, and the
// printer is told its part: the copies, first page first, and the server's
// options without the page range and set.
TEST(PageSequence, APrinterIsToldItsPartOfThePlan)
{
    for (const bool makesCopies : {true, false}) {
        SCOPED_TRACE(makesCopies ? "a printer that makes copies" : "a printer that makes none");
        KeepingEngine engine(makesCopies);
        PrinterOver printer(engine);
        printer.setCopyCount(3);
        printer.setCollateCopies(false);
        printer.setPageOrder(QPrinter::LastPageFirst);
        engine.setProperty(kServerOptions, QStringList{"job-priority", "50", "page-set", "odd"});

        const reports::PrintPlan plan = reports::takePrintPlan(printer, 3);
        const std::vector<int> drawn = makesCopies ? std::vector<int>{3, 1} : std::vector<int>{3, 3, 3, 1, 1, 1};
        EXPECT_EQ(plan.sequence, drawn);
        EXPECT_EQ(printer.copyCount(), makesCopies ? 3 : 1);
        EXPECT_FALSE(printer.collateCopies());
        EXPECT_EQ(printer.pageOrder(), QPrinter::FirstPageFirst);
        EXPECT_EQ(engine.property(kServerOptions).toStringList(), (QStringList{"job-priority", "50"}));
    }
}
