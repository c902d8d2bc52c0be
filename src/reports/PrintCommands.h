#pragma once
// The two print commands. The report: sheet 1, the flow-graph sheet, scaled
// into the printable area; sheet 2 from an origin 720 twips right and 1080
// below the printable area's corner: the component list alone for up to 14
// nozzles entered, or the two comparison grids above it for 15 or more. The
// pump curve: its page, scaled into the printable area, as a document of its
// own. Each asks first, then shows the printer dialog; Cancel ends silently,
// and a print that fails says so once. The copies, their collation and the
// reverse order chosen in the dialog hold for both, and so would a page
// range or page set that reached the printer (the dialog offers none); one
// that keeps no page of the document prints nothing, silently.

#include <QPoint>
#include <QSize>
#include <QSizeF>
#include <QStringList>
#include <vector>

class MainWindowInputs;
class QPrinter;
class Module1;
class ReportWindow;

namespace reports {

// Where a sheet goes in the printable area (twips from its top-left corner):
// the painter is scaled by `scale`, never above 1, after the origin is moved
// to `origin` (unscaled twips).
struct SheetPlacement {
    double scale = 1.0;
    QPointF origin;
};
// A whole sheet at the area's corner, shrunk to fit, proportions kept.
SheetPlacement fitSheet(QSizeF sheetTwips, QSizeF areaTwips);

// The items of sheet 2, at their places from its origin.
enum class SheetTwoItem { Compare, NextCompare, ComponentList };
struct SheetTwoPart {
    SheetTwoItem item;
    QPoint at;
};
std::vector<SheetTwoPart> sheetTwoParts(int nozzlesEntered);
// The origin of sheet 2 in the printable area.
inline constexpr QPoint kSheetTwoOrigin{720, 1080};
// Sheet 2 at true size, unless the area (twips) is too small for its origin
// and its items (extent: their right and bottom edge from the origin): then
// scaled down whole, origin included.
SheetPlacement fitSheetTwo(QSizeF extentTwips, QSizeF areaTwips);

// The pages of a document of `pages` pages as they go to the printer,
// numbered from 1: `copies` times over, each copy whole in turn when
// `collate` (1,2,1,2), each page's copies together when not (1,1,2,2), last
// page first when `reverse`. Fewer than one copy is one.
std::vector<int> pageSequence(int pages, int copies, bool collate, bool reverse);

// Which pages a page set keeps, by their number in the document.
enum class PageSet { All, Odd, Even };

// The part of a document the printer dialog chose, by the pages' numbers in
// the document: the pages within any of the ranges (every page when there
// is none) that the page set keeps. A choice the program cannot read keeps
// no page, rather than print sheets that were not asked for.
struct PageChoice {
    struct Range {
        int first, last; // last INT_MAX: to the end
    };
    std::vector<Range> ranges;
    PageSet set = PageSet::All;
    bool unreadable = false;
    bool keeps(int page) const;
};

// The print server's options as the dialog leaves them on the printer, a
// name and its value in turn: the page range ("page-ranges": "2", "1-3,5",
// "4-", "-2") and the page set ("page-set": "all", "odd", "even") read and
// taken out (names in any case, the last of a name counts), every other
// option kept as it was.
struct ServerOptions {
    PageChoice pages;
    QStringList others;
};
ServerOptions splitServerOptions(const QStringList& options);

// What the printer dialog chose, as the print commands read it off the
// printer.
struct PrintChoice {
    int copies = 1;
    bool collate = true;
    bool reverse = false;            // last page first
    bool printerMakesCopies = false; // Qt's CUPS engine does, its PDF engine not
    QStringList serverOptions;
};

// What a print does of that choice for a document of `pages` pages.
struct PrintPlan {
    // The pages the program draws, numbered from 1, in order: those the
    // choice keeps, by their number in the document, last first when
    // reversed, each copy drawn where the printer makes none.
    std::vector<int> sequence;
    // What the printer is asked for: the copies it makes itself (one where
    // the program draws them), their collation, first page first always (no
    // engine reverses, the program does), and the server's options without
    // the page range and set, which the sequence has applied: the server
    // would apply them again, to the pages as sent.
    int printerCopies = 1;
    bool printerCollate = true;
    bool printerLastPageFirst = false;
    QStringList serverOptions;
};
PrintPlan planPrint(const PrintChoice& choice, int pages);

// Reads the dialog's choice off the printer, tells the printer its part of
// the plan for a document of `pages` pages and returns the plan.
PrintPlan takePrintPlan(QPrinter& printer, int pages);

// File Print and page 1's Print.
void PrintReport(Module1& m, ReportWindow& r);
// The Pump Area's Print.
void PrintPumpCurve(Module1& m, MainWindowInputs& w);

} // namespace reports
