#pragma once
// What tells the eight catalogue editors apart, as data: one editor is
// written once and made for a kind from its description.

#include "catalogue/Records.h"

#include <QString>
#include <array>

namespace editors {

// The panel beside the grid: fuel and head options (six kinds), the pump's
// frequency options, or the hose's fuel and head options with its size and
// length.
enum class Panel { FuelAndHead, Frequency, Hose };

struct EditorKind {
    Kind kind;
    const char* window;    // "frmDispenser"
    const char* caption;   // "Dispenser"
    const char* tag;       // "Disp": control names put it after their prefix
    const char* nameLabel; // "lblDispName" (not always the tag's)
    const char* nameCaption;
    const char* helpTopic; // "Option Menu\\Dispensers.htm"
    const char* deletePrompt;
    const char* helpText;
    const char* usHeadHeading; // "TDH-Feet" only in the dispenser editor
    const char* metricHeadHeading;
    int viewingDecimals;       // grid decimals of a standard entry shown
    bool ctrlBackspaceEmpties; // code 127 empties the cell (else it beeps)
    int dieselPreRound;        // decimals a head is rounded to before diesel PSI; -1 none
    int openingRows;           // grid rows at the opening
    Panel panel;
};

// The eight editors, in the order of the Options menu.
const std::array<EditorKind, 8>& editorKinds();
const EditorKind& editorKind(Kind kind);

// A control's name: prefix, tag and suffix ("cmd" + "Disp" + "Ok").
QString controlName(const EditorKind& kind, const char* prefix, const char* suffix = "");

} // namespace editors
