#pragma once
// The piping file's bytes parsed, without files or lists: the pipe
// materials with their roughness, the pipe sizes with their inner diameter,
// the trunk valves and the fitting lengths. The file is read section by
// section, each section test taking exactly one line, so a missing section
// shifts every later test by a line: files in the field rely on that
// reading, so it is kept as is.

#include "PipingConstants.h"
#include "Records.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace catalogue {

struct PipingFile {
    std::vector<std::pair<QString, float>> materials; // name, roughness (>= 0)
    std::vector<std::pair<QString, float>> sizes;     // name, diameter (> 0)
    // Whether the valve section was there: without it the valves read before
    // stay as they were.
    bool valvesRead = false;
    std::vector<typValve> valves;
    // Per size and fitting kind; 0 for a kind whose section is missing.
    float fittingLength[kPipeSizes][kFittingKinds] = {};
};

// Nothing when the file would be refused as unreadable: a line missing where
// one is expected, a value that is no number, a section of more entries than
// its table holds, no material or no size, a negative roughness, a diameter
// not above 0, or an empty valve line.
std::optional<PipingFile> parsePipingFile(QByteArrayView bytes);

} // namespace catalogue
