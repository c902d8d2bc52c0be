// One catalogue editor driven as the window drives it, over a copy of the
// shipped catalogue: what each command stores, what OK writes, and what a
// closing without writing leaves behind.
#include "CatalogueFixture.h"
#include "FileSizeLimit.h"

#include "catalogue/CatalogueData.h"
#include "catalogue/KindFiles.h"
#include "catalogue/KindTables.h"
#include "catalogue/RecordFormat.h"
#include "editors/GridRecord.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

using editors::Closing;
using editors::EditorModel;
using editors::Mode;

using editortest::addNozzle;
using editortest::Catalogue;
using editortest::editLast;
using editortest::typeCell;
using editortest::typeInto;
using editortest::writeNozzle;

TEST(EditorModel, OpeningListsEveryRecordIdle)
{
    Catalogue c;
    auto e = c.open(Kind::Nozzle);
    EXPECT_EQ(e->mode(), Mode::Idle);
    EXPECT_EQ(e->view.names.size(), c.m->udtNozzles.size());
    EXPECT_EQ(e->view.selected, 0);
    EXPECT_EQ(e->grid.rows(), 13);
    EXPECT_EQ(e->view.headHeading, "TDH - Feet");
    EXPECT_TRUE(e->view.addOn && e->view.editOn && e->view.deleteOn && e->view.listOn);
    EXPECT_FALSE(e->view.saveOn || e->view.clearOn || e->view.gridOn || e->view.nameOn);
    EXPECT_EQ(c.open(Kind::Dispenser)->view.headHeading, "TDH-Feet");
    EXPECT_EQ(c.open(Kind::Hose)->grid.rows(), 15);
}

TEST(EditorModel, AnEntryAddedAndLeftWithOkIsWrittenAndTheListsRebuilt)
{
    Catalogue c;
    auto e = c.open(Kind::Nozzle);
    addNozzle(*e, "Vapour Nozzle");
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
    EXPECT_EQ(c.refreshes, 1);
    const auto onFile = c.nozzlesOnFile();
    ASSERT_EQ(onFile.size(), c.m->udtNozzles.size());
    const typComponent& added = onFile.back();
    EXPECT_EQ(added.strName, "Vapour Nozzle");
    EXPECT_EQ(added.strKind, "#Custom#");
    EXPECT_EQ(added.strListCode, "I");
    ASSERT_EQ(added.intPoints, 2); // the spare row of zeros is left out
    EXPECT_EQ(added.sngFlow[1], 10.0f);
    EXPECT_EQ(added.sngLoss[1], 2.5f);
}

TEST(EditorModel, OkStoresTheEntryInProgressAfterASave)
{
    // A Save earlier in the opening no longer makes OK drop what is typed now.
    Catalogue c;
    auto e = c.open(Kind::Nozzle);
    const size_t before = c.m->udtNozzles.size();
    addNozzle(*e, "First");
    e->cmdSave_Click();
    addNozzle(*e, "Second");
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
    const auto onFile = c.nozzlesOnFile();
    ASSERT_EQ(onFile.size(), before + 2);
    EXPECT_EQ(onFile[before].strName, "First");
    EXPECT_EQ(onFile[before + 1].strName, "Second");
}

TEST(EditorModel, ALookAtAnEntryChangesNothing)
{
    // Edit of an entry, custom or standard (shown read-only), then Save or
    // not and OK without a change, in US or metric units, writes the
    // catalogue back byte for byte.
    Catalogue c;
    {
        auto e = c.open(Kind::Nozzle);
        addNozzle(*e, "Mine");
        ASSERT_EQ(e->cmdOk_Click(), Closing::Close);
    }
    // A list code of several letters and a curve of two decimals, as a file may hold.
    c.m->udtNozzles.back().strListCode = "AIC";
    c.m->udtNozzles.back().sngLoss[1] = 2.57f;
    ASSERT_TRUE(c.m->objNozzleData->SetNozzleFileData());
    const QByteArray shipped = c.file("NOZZLE.DAT");

    for (bool us : {true, false})
        for (int last : {1, 0})
            for (bool save : {false, true}) {
                c.m->objConfigureData->setUnits(us);
                auto e = c.open(Kind::Nozzle);
                e->view.selected = last ? int(e->view.names.size() - 1) : 0; // the custom one, or a standard one
                e->cmdEdit_Click();
                EXPECT_EQ(e->mode(), last ? Mode::Editing : Mode::Viewing);
                if (save) {
                    e->chooseHeadUnit(true); // a look in PSI is no change either
                    e->cmdSave_Click();
                    EXPECT_FALSE(e->view.psi) << "Feet after every Save";
                }
                EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
                EXPECT_EQ(c.file("NOZZLE.DAT"), shipped)
                    << (us ? "US " : "metric ") << (last ? "custom" : "standard") << (save ? " saved" : "");
            }
}

TEST(EditorModel, AMetricOpeningLeavesUntouchedRecordsExact)
{
    Catalogue c(false);
    const QByteArray shipped = c.file("HOSES.DAT");
    auto e = c.open(Kind::Hose);
    EXPECT_EQ(e->view.lengthCaption, "Hose Length(m)");
    EXPECT_EQ(e->view.flowHeading, "LPM");
    // In metric the table holds metres: the 100 ft hose shows 30.5.
    e->view.selected = 0;
    e->cmdEdit_Click();
    EXPECT_EQ(e->view.length, "30.5");
    e->cmdClear_Click();
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
    EXPECT_EQ(c.file("HOSES.DAT"), shipped) << "100 ft stays 100 ft, not 100.1";
    EXPECT_FALSE(e->flags().blnMetricA);
    EXPECT_EQ(c.m->udtHoses[0].sngLength, 100.0f);
}

TEST(EditorModel, NoToTheQuestionPutsTheOpeningsTableBack)
{
    Catalogue c;
    const auto before = c.m->udtNozzles;
    auto e = c.open(Kind::Nozzle);
    addNozzle(*e, "Kept only in memory");
    e->cmdSave_Click();
    c.ui.answers = {platform::MsgResult::No};
    EXPECT_EQ(e->cmdCancel_Click(), Closing::Close);
    EXPECT_EQ(c.m->udtNozzles.size(), before.size());
    EXPECT_EQ(c.m->intNozzleMax, int16_t(before.size() - 1));
    EXPECT_EQ(c.refreshes, 0);
    // Cancel keeps the editor open as it was.
    auto again = c.open(Kind::Nozzle);
    again->cmdAdd_Click();
    c.ui.answers = {platform::MsgResult::Cancel};
    EXPECT_EQ(again->closeRequested(), Closing::Stay);
    EXPECT_EQ(again->mode(), Mode::Adding);
}

TEST(EditorModel, AFailedWriteKeepsTheEditorOpenAndTheFile)
{
    Catalogue c;
    const QByteArray shipped = c.file("NOZZLE.DAT");
    auto e = c.open(Kind::Nozzle);
    addNozzle(*e, "Not written");
    e->cmdSave_Click();
    const size_t inWork = c.m->udtNozzles.size();
    {
        FileSizeLimit full(100);
        EXPECT_EQ(e->cmdOk_Click(), Closing::Stay);
    }
    EXPECT_EQ(c.file("NOZZLE.DAT"), shipped);
    EXPECT_EQ(c.m->udtNozzles.size(), inWork) << "the user's work stays";
    EXPECT_EQ(c.refreshes, 0);
    ASSERT_FALSE(c.ui.messages.empty());
    EXPECT_TRUE(c.ui.messages.back().text.contains("NOZZLE.DAT")) << c.ui.messages.back().text.toStdString();
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close) << "once the disk has room";
}

TEST(EditorModel, AFailedWriteDuringAnEditKeepsTheRecordAsItWas)
{
    // The edit stays the user's work in the window; the table keeps the
    // record as stored, so a later No, or another look, finds it unchanged.
    Catalogue c;
    writeNozzle(c, "Edited Nozzle");
    auto again = editLast(c, Kind::Nozzle);
    ASSERT_EQ(again->mode(), Mode::Editing);
    typeCell(*again, 1, 1, "7");
    {
        FileSizeLimit full(100);
        EXPECT_EQ(again->cmdOk_Click(), Closing::Stay);
    }
    EXPECT_EQ(c.m->udtNozzles.back().sngLoss[1], 2.5f);
    EXPECT_EQ(again->mode(), Mode::Editing);
    EXPECT_EQ(again->grid.text(1, 1), "7");
    EXPECT_EQ(again->cmdOk_Click(), Closing::Close);
    EXPECT_EQ(c.nozzlesOnFile().back().sngLoss[1], 7.0f);
}

TEST(EditorModel, AnEmptyTableIsNotWritten)
{
    Catalogue c;
    auto e = c.open(Kind::Pump);
    // Delete refuses standard records: make them all custom first.
    for (auto& r : c.m->udtPumps)
        r.strKind = "#Custom#";
    const QByteArray shipped = c.file("PUMP.DAT");
    c.ui.answers.clear(); // OK to every confirmation
    while (!e->view.names.isEmpty())
        e->cmdDelete_Click();
    EXPECT_EQ(c.m->intPumpMax, -1);
    EXPECT_EQ(e->cmdOk_Click(), Closing::Stay);
    EXPECT_EQ(c.file("PUMP.DAT"), shipped);
}

TEST(EditorModel, SaveRunsThePendingChecksFirst)
{
    Catalogue c;
    auto e = c.open(Kind::Nozzle);
    const size_t before = c.m->udtNozzles.size();
    e->cmdAdd_Click();
    e->setName("none");
    e->cmdSave_Click();
    EXPECT_EQ(c.m->udtNozzles.size(), before);
    EXPECT_EQ(e->mode(), Mode::Adding);
    ASSERT_EQ(c.ui.texts().size(), 1u);
    EXPECT_EQ(c.ui.texts()[0], "Component Name cannot be None");
    // A refused cell holds up Save too.
    e->setName("Fine");
    e->grid.setCurrent(0, 1);
    e->grid_KeyDown(46);
    e->cmdSave_Click();
    EXPECT_EQ(c.m->udtNozzles.size(), before);
    EXPECT_EQ(c.ui.texts().back(), "Field cannot be empty");
}

TEST(EditorModel, HeadsShownInPsiAreStoredInFeet)
{
    Catalogue c;
    auto e = c.open(Kind::Nozzle);
    addNozzle(*e, "Psi Nozzle");
    typeCell(*e, 1, 1, "100");
    e->optPSI_Click();
    EXPECT_EQ(e->grid.text(1, 1), "31.2");
    EXPECT_EQ(e->view.headHeading, "PSI");
    e->cmdSave_Click();
    EXPECT_FALSE(e->view.psi);
    EXPECT_EQ(c.m->udtNozzles.back().sngLoss[1], 100.1f);
}

TEST(EditorModel, HoseLengthOfZeroTakesTheStandardLength)
{
    Catalogue c;
    auto e = c.open(Kind::Hose);
    e->cmdAdd_Click();
    EXPECT_EQ(e->view.length, "100");
    EXPECT_FALSE(e->view.lengthOn);
    e->optCustomized_Click();
    EXPECT_TRUE(e->view.lengthOn);
    for (const char* bad : {"0", "."}) {
        e->setLength(QString::fromLatin1(bad));
        e->length_LostFocus();
        EXPECT_EQ(e->view.length, "100") << bad;
        EXPECT_EQ(c.ui.texts().back(), "Hose length must be above 0");
    }
}

TEST(EditorModel, AFailedWriteDuringAnAddKeepsTheEntryOutOfTheTable)
{
    // The entry stays the user's work in the window: the next OK adds it
    // once and overwrites nothing.
    Catalogue c;
    const auto before = c.m->udtNozzles;
    auto e = c.open(Kind::Nozzle);
    addNozzle(*e, "Retried");
    {
        FileSizeLimit full(100);
        EXPECT_EQ(e->cmdOk_Click(), Closing::Stay);
    }
    EXPECT_EQ(c.m->udtNozzles.size(), before.size());
    EXPECT_EQ(e->mode(), Mode::Adding);
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
    const auto onFile = c.nozzlesOnFile();
    ASSERT_EQ(onFile.size(), before.size() + 1);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(onFile[i].strName, before[i].strName) << i;
    EXPECT_EQ(onFile.back().strName, "Retried");
}

TEST(EditorModel, AnAddWithoutANameIsGivenUp)
{
    Catalogue c;
    const QByteArray shipped = c.file("NOZZLE.DAT");
    auto e = c.open(Kind::Nozzle);
    e->cmdAdd_Click();
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
    EXPECT_TRUE(c.ui.messages.empty());
    EXPECT_EQ(c.file("NOZZLE.DAT"), shipped);
    // The same through Yes to the closing question.
    auto again = c.open(Kind::Nozzle);
    again->cmdAdd_Click();
    c.ui.answers = {platform::MsgResult::Yes};
    EXPECT_EQ(again->closeRequested(), Closing::Close);
    EXPECT_EQ(c.file("NOZZLE.DAT"), shipped);
}

TEST(EditorModel, AChangeOfFuelAloneIsStoredByOk)
{
    Catalogue c;
    writeNozzle(c, "Gas One");
    auto e = editLast(c, Kind::Nozzle);
    ASSERT_TRUE(e->view.gas);
    e->chooseFuel(false);
    EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
    EXPECT_FALSE(c.nozzlesOnFile().back().blnGasOr50Hz);
    // Moving about the grid and back to Feet after PSI is no change.
    const QByteArray written = c.file("NOZZLE.DAT");
    auto look = editLast(c, Kind::Nozzle);
    look->grid_Click(look->grid.rows() - 1);
    look->grid_KeyPress(13);
    look->chooseHeadUnit(true);
    look->chooseHeadUnit(false);
    EXPECT_EQ(look->cmdOk_Click(), Closing::Close);
    EXPECT_EQ(c.file("NOZZLE.DAT"), written);
}

TEST(EditorModel, DecimalHalvesGoToTheEvenDigit)
{
    // As the cell shows them: 0.35 is a half though its single is a little less.
    const struct {
        const char* cell;
        float stored;
    } cases[] = {{"0.35", 0.4f}, {"12.35", 12.4f}, {"0.45", 0.4f}, {"1.15", 1.2f},   {"0.05", 0.0f},
                 {"0.15", 0.2f}, {"2.25", 2.2f},   {"2.75", 2.8f}, {"12.34", 12.3f}, {"999.9", 999.9f}};
    for (const auto& c : cases)
        EXPECT_EQ(editors::storedValue(QString::fromLatin1(c.cell)), c.stored) << c.cell;
}

TEST(EditorModel, WhatOkWritesTheReaderReadsBackForEveryKind)
{
    // In metric units too: the file holds US units and the next start reads
    // the table the editor left.
    for (bool us : {true, false}) {
        Catalogue c(us);
        for (const editors::EditorKind& kind : editors::editorKinds()) {
            auto e = c.open(kind.kind);
            e->cmdAdd_Click();
            e->setName(kind.kind == Kind::Hose ? QStringLiteral("7/8") : QStringLiteral("Written"));
            ASSERT_TRUE(e->name_LostFocus()) << kind.window;
            if (kind.panel == editors::Panel::Frequency)
                e->selectFrequency(true);
            e->grid_Click(0);
            typeCell(*e, 1, 0, "20");
            typeCell(*e, 1, 1, "4.5");
            ASSERT_EQ(e->cmdOk_Click(), Closing::Close) << kind.window;
        }
        Module1 again(c.folder.path());
        again.CreateDataObjects();
        catalogue::ReadDataFiles(again);
        for (const editors::EditorKind& kind : editors::editorKinds()) {
            catalogue::visitKindTable(again, kind.kind, [&](const auto& table, int16_t last, int16_t) {
                ASSERT_GE(last, 0);
                const auto& r = table[size_t(last)];
                EXPECT_EQ(r.strKind, "#Custom#") << kind.window;
                EXPECT_EQ(r.strListCode, "I") << kind.window;
                ASSERT_EQ(r.intPoints, 2) << kind.window;
                // 20 and 4.5 as typed in US units; in metric, LPM and metres
                // converted back and rounded to one decimal.
                // A leak detector's flows are whole numbers in its file.
                const float metricFlow = kind.kind == Kind::LeakDetector ? 5.0f : 5.3f;
                EXPECT_EQ(r.sngFlow[1], us ? 20.0f : metricFlow) << kind.window;
                EXPECT_EQ(r.sngLoss[1], us ? 4.5f : 14.8f) << kind.window;
                if (kind.panel == editors::Panel::Frequency) {
                    EXPECT_TRUE(r.blnGasOr50Hz) << "a 50 Hz pump";
                }
                // The table this session goes on with is the one read back.
                catalogue::visitKindTable(*c.m, kind.kind, [&](const auto& inUse, int16_t, int16_t) {
                    ASSERT_EQ(inUse.size(), table.size()) << kind.window;
                    const auto& u = inUse.back();
                    ASSERT_EQ(u.intPoints, r.intPoints) << kind.window;
                    for (size_t k = 0; k < size_t(r.intPoints); ++k) {
                        EXPECT_EQ(u.sngFlow[k], r.sngFlow[k]) << kind.window << (us ? " US " : " metric ") << k;
                        EXPECT_EQ(u.sngLoss[k], r.sngLoss[k]) << kind.window << (us ? " US " : " metric ") << k;
                    }
                });
            });
            EXPECT_EQ(again.udtHoses.back().sngLength, 100.0f) << "the standard length, in feet";
        }
    }
}

TEST(EditorModel, DeleteRefusesStandardEntriesAndAsksForCustomOnes)
{
    Catalogue c;
    auto e = c.open(Kind::PumpOthers);
    const int count = int(e->view.names.size());
    e->view.selected = 1;
    e->cmdDelete_Click();
    EXPECT_EQ(c.ui.texts().back(), "Selected Component is Standard -- Cannot be Deleted");
    EXPECT_EQ(int(e->view.names.size()), count);
    EXPECT_EQ(e->view.selected, 0);
    // A custom one: the prompt names it; Cancel keeps it, OK removes it.
    c.m->udtPumpOthers[1].strKind = "#Custom#";
    const QString name = e->view.names[1];
    const qsizetype named = e->view.names.count(name);
    for (auto answer : {platform::MsgResult::Cancel, platform::MsgResult::OK}) {
        e->view.selected = 1;
        c.ui.answers = {answer};
        e->cmdDelete_Click();
        EXPECT_EQ(c.ui.messages.back().text, "Delete PumpOther - " + name);
        EXPECT_EQ(c.ui.messages.back().buttons, platform::MsgButtons::OKCancel);
    }
    EXPECT_EQ(int(e->view.names.size()), count - 1);
    EXPECT_EQ(c.m->intPumpOthersMax, int16_t(count - 2));
    EXPECT_EQ(e->view.names.count(name), named - 1) << "the same name may stand for another fuel";
    EXPECT_EQ(e->grid.rows(), 12);
    EXPECT_TRUE(e->flags().blnDeleted);
    // Clear gives up an entry: 13 rows, the table untouched, PSI kept.
    e->cmdAdd_Click();
    e->chooseHeadUnit(true);
    e->cmdClear_Click();
    EXPECT_EQ(e->grid.rows(), 13);
    EXPECT_EQ(e->mode(), Mode::Idle);
    EXPECT_TRUE(e->view.psi);
    EXPECT_EQ(int(e->view.names.size()), count - 1);
}

// --- no check slipped past ---

namespace {

// An entry added and named (its name checked), its grid grown to two rows
// of zeros.
void addNamed(EditorModel& e)
{
    e.cmdAdd_Click();
    e.setName(e.kind().kind == Kind::Hose ? QStringLiteral("7/8") : QStringLiteral("Checked"));
    ASSERT_TRUE(e.name_LostFocus());
    e.grid_Click(0);
}

} // namespace

TEST(EditorModel, SaveAndOkCheckEveryCellChangedInTheEntry)
{
    // A cell typed while a press on Clear held the checks aside (released
    // off the button, so no Clear), then the user moves on to a cell that is
    // fine: Save and OK check every cell changed in the entry by its own
    // rule, stop on the first that refuses with the cell current and store
    // nothing. Mended, the entry is stored as typed.
    const struct {
        int row, col;
        const char* message;
    } bad[] = {
        {0, 0, "Maximum value is 999.9"},
        {0, 1, "Maximum value is 999.1"},
    };
    for (const editors::EditorKind& kind : editors::editorKinds())
        for (bool ok : {false, true})
            for (const auto& b : bad) {
                SCOPED_TRACE(std::string(kind.window) + (ok ? " OK" : " Save") + " column " + std::to_string(b.col));
                Catalogue c;
                const char* fileName = catalogue::kindFile(kind.kind).readerName;
                const QByteArray shipped = c.file(fileName);
                auto e = c.open(kind.kind);
                addNamed(*e);
                const qsizetype records = e->view.names.size();
                e->cmdClear_MouseDown();
                typeInto(*e, b.row, b.col, "2000");
                ASSERT_TRUE(e->grid_LeaveCell()) << "left aside";
                typeInto(*e, 1, 1, "5");
                if (ok)
                    EXPECT_EQ(e->cmdOk_Click(), Closing::Stay);
                else
                    e->cmdSave_Click();
                EXPECT_EQ(c.ui.texts(), (std::vector<QString>{QString::fromLatin1(b.message)}));
                EXPECT_EQ(e->refusedField(), EditorModel::Field::Grid);
                EXPECT_EQ(e->grid.row(), b.row);
                EXPECT_EQ(e->grid.col(), b.col);
                EXPECT_EQ(e->grid.text(b.row, b.col), "2000") << "kept as typed";
                EXPECT_EQ(e->mode(), Mode::Adding);
                EXPECT_EQ(e->view.names.size(), records);
                EXPECT_EQ(c.file(fileName), shipped);

                typeCell(*e, b.row, b.col, "20");
                const std::vector<typComponent> onFile = [&] {
                    if (ok) {
                        EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
                    } else {
                        e->cmdSave_Click();
                        EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
                    }
                    return c.componentsOnFile(fileName);
                }();
                if (kind.kind == Kind::Hose) {
                    EXPECT_EQ(c.hosesOnFile().back().sngLoss[1], 5.0f);
                    EXPECT_EQ(b.col == 0 ? c.hosesOnFile().back().sngFlow[0] : c.hosesOnFile().back().sngLoss[0],
                              20.0f);
                } else {
                    ASSERT_FALSE(onFile.empty());
                    EXPECT_EQ(onFile.back().sngLoss[1], 5.0f);
                    EXPECT_EQ(b.col == 0 ? onFile.back().sngFlow[0] : onFile.back().sngLoss[0], 20.0f);
                }
            }

    // Of two refusing cells the first in the grid is the one reported.
    Catalogue c;
    auto e = c.open(Kind::Dispenser);
    addNamed(*e);
    e->cmdCancel_MouseDown();
    typeInto(*e, 1, 0, "2000");
    ASSERT_TRUE(e->grid_LeaveCell());
    typeInto(*e, 0, 1, "2000");
    ASSERT_TRUE(e->grid_LeaveCell());
    e->grid.setCurrent(1, 1);
    e->cmdSave_Click();
    EXPECT_EQ(c.ui.texts(), (std::vector<QString>{"Maximum value is 999.1"}));
    EXPECT_EQ(e->grid.row(), 0);
    EXPECT_EQ(e->grid.col(), 1);
}

TEST(EditorModel, TheFuelAndHeadOptionsCheckTheCellsBeforeConverting)
{
    // A cell typed and not yet left (the option clicked at once): the option
    // checks it in the unit and on the fuel it was typed for, and turns back
    // when it refuses; no conversion reads an empty cell as 0 or carries a
    // value over its limit into another unit.
    auto psi = [](EditorModel& e) { return e.chooseHeadUnit(true); };
    auto feet = [](EditorModel& e) { return e.chooseHeadUnit(false); };
    auto gas = [](EditorModel& e) { return e.chooseFuel(true); };
    auto diesel = [](EditorModel& e) { return e.chooseFuel(false); };
    const struct {
        const char* what;
        bool inPsi, onDiesel;
        int col;
        const char* typed;
        std::function<bool(EditorModel&)> choose;
        const char* message;
    } cases[] = {
        {"PSI over an emptied head", false, false, 1, "", psi, "Field cannot be empty"},
        {"PSI over 2000 ft", false, false, 1, "2000", psi, "Maximum value is 999.1"},
        {"PSI over a flow of 2000", false, false, 0, "2000", psi, "Maximum value is 999.9"},
        {"Feet over 400 psi", true, false, 1, "400", feet, "Maximum value is 311.4"},
        {"Feet over an emptied head", true, true, 1, "", feet, "Field cannot be empty"},
        {"Diesel over 350 psi on gas", true, false, 1, "350", diesel, "Maximum value is 311.4"},
        {"Gas over 380 psi on diesel", true, true, 1, "380", gas, "Maximum value is 376.3"},
        {"Diesel in feet over an emptied head", false, false, 1, "", diesel, "Field cannot be empty"},
    };
    for (const editors::EditorKind& kind : editors::editorKinds()) {
        if (kind.panel == editors::Panel::Frequency)
            continue;
        for (const auto& k : cases) {
            SCOPED_TRACE(std::string(kind.window) + ": " + k.what);
            Catalogue c;
            auto e = c.open(kind.kind);
            addNamed(*e);
            typeCell(*e, 1, 0, "10");
            typeCell(*e, 1, 1, "100");
            if (k.onDiesel) {
                ASSERT_TRUE(e->chooseFuel(false));
            }
            if (k.inPsi) {
                ASSERT_TRUE(e->chooseHeadUnit(true));
            }
            const QString otherHead = e->grid.text(1, 1);
            typeInto(*e, 0, k.col, k.typed);
            EXPECT_FALSE(k.choose(*e));
            EXPECT_EQ(c.ui.texts(), (std::vector<QString>{QString::fromLatin1(k.message)}));
            EXPECT_EQ(e->refusedField(), EditorModel::Field::Grid);
            EXPECT_EQ(e->view.psi, k.inPsi);
            EXPECT_EQ(e->view.gas, !k.onDiesel);
            EXPECT_EQ(e->grid.text(0, k.col), k.typed) << "kept as typed";
            EXPECT_EQ(e->grid.text(1, 1), otherHead) << "nothing converted";
            EXPECT_EQ(e->grid.row(), 0);
            EXPECT_EQ(e->grid.col(), k.col);
            // Mended, the option goes through.
            typeInto(*e, 0, k.col, "1");
            EXPECT_TRUE(k.choose(*e));
            EXPECT_EQ(c.ui.texts().size(), 1u);
        }
    }
}

TEST(EditorModel, APressOnClearOrCancelEndsWithItsCommand)
{
    // The checks stand aside for the press only: once Cancel's question is
    // answered (whatever the answer) or Clear has run, both flags are clear
    // and the next box or cell left is checked.
    for (Kind kind : {Kind::Nozzle, Kind::Hose}) {
        for (auto answer : {platform::MsgResult::Cancel, platform::MsgResult::Yes}) {
            SCOPED_TRACE(std::string(editors::editorKind(kind).window)
                         + (answer == platform::MsgResult::Yes ? " Yes" : " Cancel"));
            Catalogue c;
            auto e = c.open(kind);
            const editors::EditorFlags& f = e->flags();
            e->cmdAdd_Click();
            e->setName(" bad");
            e->cmdCancel_MouseDown();
            c.ui.answers = {answer};
            EXPECT_EQ(e->cmdCancel_Click(), Closing::Stay);
            EXPECT_FALSE(f.blnClearDown);
            EXPECT_FALSE(f.blnCancelDown);
            c.ui.messages.clear();
            EXPECT_FALSE(e->name_LostFocus());
            EXPECT_EQ(c.ui.texts(), (std::vector<QString>{"First Character of Component Name cannot have space"}));
            e->grid_Click(0);
            typeInto(*e, 0, 0, "2000");
            EXPECT_FALSE(e->grid_LeaveCell());
            EXPECT_EQ(c.ui.texts().back(), "Maximum value is 999.9");
        }
        Catalogue c;
        auto e = c.open(kind);
        e->cmdAdd_Click();
        e->cmdClear_MouseDown();
        e->cmdClear_Click();
        EXPECT_FALSE(e->flags().blnClearDown);
        EXPECT_FALSE(e->flags().blnCancelDown);
    }
}

TEST(EditorModel, AStoredNameWithADollarSignIsKept)
{
    // The name line holds a "$" anywhere in a name and reads it back: such a
    // name, stored by the file, passes its check, is kept by an edit and
    // written back whole.
    for (const char* name : {"Flow$Max", "$Flow", "Flow$"}) {
        SCOPED_TRACE(name);
        Catalogue c;
        writeNozzle(c, "Plain");
        c.m->udtNozzles.back().strName = QString::fromLatin1(name);
        ASSERT_TRUE(c.m->objNozzleData->SetNozzleFileData());
        ASSERT_EQ(c.nozzlesOnFile().back().strName, name);
        auto e = editLast(c, Kind::Nozzle);
        ASSERT_EQ(e->mode(), Mode::Editing);
        ASSERT_EQ(e->view.name, name);
        EXPECT_TRUE(e->name_LostFocus());
        const QString renamed = QString::fromLatin1(name) + " 2";
        e->setName(renamed);
        EXPECT_TRUE(e->name_LostFocus());
        typeCell(*e, 1, 1, "7");
        e->cmdSave_Click();
        EXPECT_EQ(e->cmdOk_Click(), Closing::Close);
        EXPECT_TRUE(c.ui.texts().empty()) << c.ui.texts().front().toStdString();
        EXPECT_EQ(c.nozzlesOnFile().back().strName, renamed);
        EXPECT_EQ(c.nozzlesOnFile().back().sngLoss[1], 7.0f);
    }
}
