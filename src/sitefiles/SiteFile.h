#pragma once
// The site file: one site configuration in 52 lines of Latin-1 text, each
// ended by CR LF. Lines 1 to 40 come from the Current summary grid's rows 1
// to 35 (and the units option), lines 42 to 51 are the ten site-property
// texts; lengths are stored in feet, the tank diameter in inches.
//
// The core here is pure: it builds the 52 lines from plain data and parses
// and checks 52 lines into a plain record. Nothing here opens a file or
// touches a widget.

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace platform {
class TextGrid;
}

namespace sitefiles {

inline constexpr int kSiteFileLines = 52;
// No site file comes near this size; the reader reads no more of a file,
// and the writer writes no file it would not read back whole.
inline constexpr qsizetype kMaxSiteFileBytes = 64 * 1024;
inline constexpr int kPropertyCount = 10;
inline constexpr int kFirstPropertyLine = 42;

// The main-window controls a site-file line sets.
// clang-format off: the controls in line order, packed
enum class SiteControl {
    cmbDispenser, cmbBreakAway, cmbHoseSize, txtHoseLen, cmbNozzle, cmbDispOthers, txtNoOfNozzle,
    cmbPiping, cmbBranch, txtBranchLength, txtBranchFitting0, txtBranchFitting1, txtBranchFitting2,
    txtBranchFitting3, cmbTrunk, txtTrunkLength, txtTrunkFitting0, txtTrunkFitting1,
    txtTrunkFitting2, txtTrunkFitting3, chkValves, optPipingMode, cmbPipeSize, txtPipeLen,
    cmbPumps, cmbQuantity, optFrequency, cmbLeak, cmbPumpOthers, txtTankDiameter, txtBuryDepth,
    txtRise, cmbNoOfBranches, optFuel, optUnits, optComponentList,
};
// clang-format on

// How a line reads and writes its grid cell.
enum class LineForm {
    Selection, // the cell's text; the list entry of that text is selected
    Count,     // the nozzle count: the cell's text
    Fitting,   // a fitting count: the cell's text
    Length,    // a length in feet: a number, converted from metres when the grid holds metric
    Inches,    // the tank diameter: the same with inches and centimetres
    Valves,    // "BallValve and SwingCheck", "SwingCheck", "BallValve" or "None"
    Mode,      // "True" for "Basic"
    Frequency, // "True" for "50Hz Pump "
    Fuel,      // "True" for "Gas"
    Units,     // "True" for US units (from the units option, not the grid)
    List,      // "A", "I" or "C" for the component list's name
};

struct SiteLine {
    int line;     // 1 to 40
    int row, col; // the Current grid's cell (Units: none)
    LineForm form;
    SiteControl control;
    double limit = 0; // Length and Inches: the largest value a file may hold (feet, inches)
};

// Lines 1 to 40 but the section markers, in line order.
const std::array<SiteLine, 36>& siteLines();
// The one line of a form that has one line (the settings, the units and
// the frequency).
const SiteLine& siteLineOf(LineForm form);

// The marker of the section that begins at line 0, 8, 26, 32, 37 or 41.
QString sectionMarker(int line);

// The valve texts of the grid and the file.
QString valvesText(bool ball, bool swing);

// What the writer takes: the Current grid (rows 1 to 35 are read), the units
// its lengths were written in when it was filled, the units option and the
// ten site-property texts (customer name to phone).
struct SiteFileSource {
    const platform::TextGrid* current = nullptr;
    bool gridMetric = false;
    bool optUS = true;
    std::array<QString, kPropertyCount> properties;
};

// The 52 lines of a site file, or nothing (and why) when a length cell holds
// no number. A line break inside a text is written as a blank, so the file
// always has its 52 lines.
std::optional<QStringList> buildSiteFileLines(const SiteFileSource& source, QString* why = nullptr);

// Whether the reader reads back whole the file the lines make (each ended by
// CR LF): it does when the file is at most kMaxSiteFileBytes. False, and
// why, for a longer one, which the writer refuses to write.
bool withinReadLimit(const QStringList& lines, QString* why = nullptr);

// A length as the file stores it: the single nearest to the decimal, as its
// shortest text of at most seven significant digits, never with an exponent.
QString lengthText(float value);

// A site file read and checked: its 52 lines and the number of each length
// line (in feet or inches).
struct SiteFileContent {
    std::array<QString, kSiteFileLines> lines;
    std::array<float, kSiteFileLines> length{}; // Length and Inches lines only
};

// Parses the first bytes of a file: at most kMaxSiteFileBytes are looked at,
// lines end at CR LF or LF, lines 0 to 51 must all lie within them and what
// follows line 51 is ignored. Checks every line that needs no list: a length
// must be a number from 0 to its limit, the nozzle count one or two ASCII
// digits of at least fewestNozzles, a fitting count one or two ASCII digits.
// Nothing (and why) for a file that fails.
std::optional<SiteFileContent> parseSiteFile(QByteArrayView bytes, QString* why = nullptr, int fewestNozzles = 1);

// Whether a checked file holds its lengths in US units (line 39).
bool usUnits(const SiteFileContent& content);

// What the reader applies is what the writer would write again: a CR left
// inside a line (the writer writes a line break as a blank) is a blank.
//
// The text the reader puts into the grid cell of a line (and into its field):
// a selection, a count, a fitting count and the valves as the line holds
// them; a length in the units of the file, converted to metres (centimetres)
// and rounded to one decimal when they are metric; "Basic" or "Advance";
// "Gas" or "Diesel"; the frequency's and the component list's cell texts, or
// nothing when the line names neither (the cell keeps its text). Nothing for
// the units line, which has no cell.
std::optional<QString> appliedCellText(const SiteFileContent& content, const SiteLine& line);
// The ten site-property texts of lines 42 to 51.
std::array<QString, kPropertyCount> appliedProperties(const SiteFileContent& content);

} // namespace sitefiles
