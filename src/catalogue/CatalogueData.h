#pragma once
// The data classes of the eight catalogue kinds and of the piping data. Each
// catalogue class loads its kind's table from its data file (the reader),
// rewrites the file from the table (the writer) and takes an editor's new
// entry into the table's last record (the commit).
//
// Readers and the piping loader end the program on a missing or unreadable
// file: they show the kind's message and throw platform::ProgramEnd; the
// handler that ran the initialisation releases the data objects and ends
// (see runOrEndProgram in SharedServices.h).
//
// Writers never lose the old file: they write a temporary and replace the file
// only when complete. They return false, after a message, when the file could
// not be written or the table has no record.
//
// Commits return false, after a message, when the editor's entries cannot make
// a record (more than 255 points, a cell that is not a number); the table is
// then unchanged.

#include "MainWindowLinks.h"
#include "platform/TextFile.h"

#include <QString>

class Module1;

#define TDR_CATALOGUE_CLASS(Class, Commit, Reader, Writer)   \
    class Class {                                            \
    public:                                                  \
        explicit Class(Module1& m) : m_(m) {}                \
        bool Commit(const EditorEntries& window);            \
        void Reader();                                       \
        bool Writer();                                       \
        QString RemoveBlankLine(const QString& strnextLine); \
                                                             \
    private:                                                 \
        Module1& m_;                                         \
        platform::LineStream mobjDataStream;                 \
    };

TDR_CATALOGUE_CLASS(clsPumpData, SetPumpData, GetPumpFileData, SetPumpFileData)
TDR_CATALOGUE_CLASS(clsPumpOthersData, SetPumpOthersData, GetPumpOthersInfo, SetPumpOthersFileData)
TDR_CATALOGUE_CLASS(clsLeakDetectorData, SetLeakDetectorData, GetLeakDetectorFileData, SetLeakDetectorFileData)
TDR_CATALOGUE_CLASS(clsDispenserData, SetDispData, GetDispFileData, SetDispFileData)
TDR_CATALOGUE_CLASS(clsDispOthersData, SetDispOthersData, GetDispOthersFileData, SetDispOthersFileData)
TDR_CATALOGUE_CLASS(clsHoseData, SetHoseData, GetHoseFileData, SetHoseFileData)
TDR_CATALOGUE_CLASS(clsNozzleData, SetNozzleData, GetNozzleFileData, SetNozzleFileData)
TDR_CATALOGUE_CLASS(clsBreakawayData, SetBreakawayData, GetBreakawayFileData, SetBreakawayFileData)

#undef TDR_CATALOGUE_CLASS

// The piping data loader: fills the piping tables of Module1 and the main
// window's four piping lists (Module1::frmMainPiping).
class clsPipeHeadData {
public:
    explicit clsPipeHeadData(Module1& m) : m_(m) {}
    void GetPipeHeadFileData();

private:
    Module1& m_;
};

namespace catalogue {

// Loads the piping data and the eight catalogues, in the initialisation's
// order: piping, dispensers, dispenser others, nozzles, hoses, breakaways,
// leak detectors, pump others, pumps. The data objects must exist; a reader
// that fails ends the program.
void ReadDataFiles(Module1& m);

} // namespace catalogue
