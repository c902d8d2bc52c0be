#pragma once
// The settings file TDR.ini parsed from its bytes, without files or windows:
// five non-empty lines, the largest nozzle count, the largest branch count,
// the fuel ("True" gas), the units ("True" US) and the component list letter.

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace mainwindow {

struct SettingsFile {
    std::array<QString, 5> lines; // as read: lines 1 and 2 are written back as they stood
    int16_t maxNozzles = 0;       // as read; the window shows 40 for one outside 0 to 40
    int16_t maxBranches = 0;      // 1 to 254
    bool gas = false;
    bool us = false;
    uint8_t componentList = 0;
};

// Nothing when the file is corrupt: not exactly five lines, an empty line,
// a count that is no whole 16-bit number (or, for branches, outside 1 to 254:
// the branch list is filled by a byte-wide counter), a flag other than
// "True" or "False", or no list letter.
std::optional<SettingsFile> parseSettingsFile(QByteArrayView bytes);

// The five lines as the program writes them back.
std::array<QString, 5> settingsLines(const SettingsFile& settings);

} // namespace mainwindow
