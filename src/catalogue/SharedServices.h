#pragma once
// The small routines every part of the program calls.

#include <QString>
#include <cstdint>
#include <functional>

class Module1;

// The caption of every numbered message and of boxes that name none of their own.
inline const QString kAppTitle = QStringLiteral("Tandril Software");

// The numbered messages, by what each is about; each keeps its number.
enum class Msg : uint8_t {
    StandardComponentNotDeletable = 1,
    ComponentNameExists = 2,
    FieldEmpty = 3,
    NameStartsWithSpace = 4,
    NameEndsWithSpace = 5,
    ComponentNameMissing = 6,
    PrinterError = 7,
    IniFileMissing = 8,
    IniFileCorrupt = 9,
    FileLoadError = 10,
    FileMissing = 11,
    DefaultDataFileNotSelected = 12,
    BreakawayFileUnreadable = 13,
    DispenserFileUnreadable = 14,
    DispOthersFileUnreadable = 15,
    HoseFileUnreadable = 16,
    LeakDetectorFileUnreadable = 17,
    NozzleFileUnreadable = 18,
    PumpFileUnreadable = 19,
    PumpOthersFileUnreadable = 20,
    BreakawayFileMissing = 21,
    DispenserFileMissing = 22,
    DispOthersFileMissing = 23,
    HoseFileMissing = 24,
    LeakDetectorFileMissing = 25,
    NozzleFileMissing = 26,
    PipingFileMissing = 27,
    PumpFileMissing = 28,
    PumpOthersFileMissing = 29,
    ComponentNameIsNone = 30,
    InvalidHoseSize = 31,
    HelpFileMissing = 32,
    PipingFileUnreadable = 33,
};

namespace catalogue {

// The text of message 1 to 33; "" for any other code (Msg(n) for a number n).
QString MessageText(Msg code);
// Shows message 1 to 33 (OK, application title; FileLoadError with the
// exclamation icon). Any other code shows nothing.
void ShowMessage(Msg code);
// Shows a text of its own the same way: OK, application title, no icon.
void ShowText(const QString& text);

// Opens a topic of the compiled help file, or shows HelpFileMissing.
void ShowHelpTopic(const QString& helpFile, const QString& topic);
// The program's help file: the program folder and "TDRHelpFile.chm".
QString HelpFilePath(const Module1& m);

// A round value-axis maximum for a chart whose largest value is v.
int16_t GetAxisMaximum(float v);

// Waits t milliseconds while window messages are processed.
void Pause(float t);

// Releases the eleven data objects.
void ReleaseDataObjects(Module1& m);

// Runs code that may end the program (an initialisation). When it does, the
// data objects are released and the application ends through ui(); returns
// false then, true when the code ran to its end.
bool runOrEndProgram(Module1& m, const std::function<void()>& code);

} // namespace catalogue
