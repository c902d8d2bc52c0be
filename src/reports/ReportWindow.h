#pragma once
// What the report pages and sheets read of the main window beyond its inputs:
// the two pump captions under the flow graph and the Current and BaseLine
// summary grids. The main window implements it.

#include "platform/TextGrid.h"

#include <QString>

class ReportWindow {
public:
    virtual ~ReportWindow() = default;
    virtual QString lblCurrentPumpCaption() const = 0;
    virtual QString lblBaselinePumpCaption() const = 0;
    virtual platform::TextGrid& currentGrid() = 0;  // flxCurrent
    virtual platform::TextGrid& baselineGrid() = 0; // flxBaseLine
};
