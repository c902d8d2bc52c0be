// One catalogue editor driven as the window drives it, over a copy of the
// shipped catalogue: what each command stores, what OK writes, and what a
// closing without writing leaves behind.
#include "CatalogueFixture.h"
#include "FileSizeLimit.h"

#include "catalogue/CatalogueData.h"
#include "catalogue/KindTables.h"
#include "catalogue/RecordFormat.h"
#include "editors/GridRecord.h"

#include <gtest/gtest.h>

using editors::Closing;
using editors::EditorModel;
using editors::Mode;

using editortest::addNozzle;
using editortest::Catalogue;
using editortest::editLast;
using editortest::typeCell;
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
    EXPECT_FALSE(c.m->editorFlags[size_t(Kind::Hose)].blnMetricA);
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
    } cases[] = {{"0.35", 0.4f}, {"12.35", 12.4f}, {"0.45", 0.4f}, {"1.15", 1.2f}, {"0.05", 0.0f},
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
    EXPECT_TRUE(c.m->editorFlags[size_t(Kind::PumpOthers)].blnDeleted);
    // Clear gives up an entry: 13 rows, the table untouched, PSI kept.
    e->cmdAdd_Click();
    e->chooseHeadUnit(true);
    e->cmdClear_Click();
    EXPECT_EQ(e->grid.rows(), 13);
    EXPECT_EQ(e->mode(), Mode::Idle);
    EXPECT_TRUE(e->view.psi);
    EXPECT_EQ(int(e->view.names.size()), count - 1);
}
