#pragma once
// The head-loss details: the system head and its ten terms at the first
// trial flow where the selected pumps no longer overcome it, for the number
// of nozzles entered. The texts are built here without widgets; the window
// only shows them.

#include <QString>
#include <array>

class MainWindowInputs;
class Module1;

namespace reports {

inline constexpr int kDetailsColumns = 11;

// One column of the details: its caption and value labels, the caption in
// feet and in metres, the module's term, and its display.
struct DetailsColumn {
    const char* captionLabel;
    const char* valueLabel;
    const char* feetCaption;
    const char* metricCaption;
    float Module1::* term;
    bool twoDecimals; // "##0.0#" (the hose); "##0.0" the others
    bool leftAligned; // the two "Others" columns; the rest are centred
};

// The columns, left to right.
const std::array<DetailsColumn, kDetailsColumns>& detailsColumns();

// A term as the details show it: "O/R" for exactly 0 (in feet), else the
// value in feet (single precision, 7 digits) or in metres (the product taken
// in double precision, 15 digits) in the column's pattern.
QString detailsValueText(float feet, bool us, bool twoDecimals);

struct DetailsTexts {
    std::array<QString, kDetailsColumns> captions;
    std::array<QString, kDetailsColumns> values;
};

// The captions and values of the terms the module holds.
DetailsTexts detailsTexts(const Module1& m, bool us);

// Runs the calculation's search for the nozzle count and the pump the main
// window shows, leaving the terms of its first failing step in the module.
void SearchHeadLossDetails(Module1& m, MainWindowInputs& w);

} // namespace reports
