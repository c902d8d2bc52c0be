// The hose editor's length box and its Standard and Customized options, and
// the pump editor's 50 Hz and 60 Hz buttons: what each command shows, what
// Save and OK store, and what carries over from one opening to the next.
#include "CatalogueFixture.h"
#include "EditorTestSupport.h"

#include <functional>
#include <string>

using editors::Closing;
using editors::EditorModel;
using editors::Mode;
using editortest::Catalogue;
using editortest::typeCell;

namespace {

// The shipped hoses and pumps are all standard; tests make their own custom ones.
constexpr int kCustomHose = 5;                                                // "1 1/4", made a custom hose of 50 ft
constexpr int kStandard60 = 0, kCustom60 = 1, kStandard50 = 4, kCustom50 = 5; // pumps

void makeCustomHose(Catalogue& c, float length = 50.0f)
{
    c.m->udtHoses[kCustomHose].strKind = "#Custom#";
    c.m->udtHoses[kCustomHose].sngLength = length;
}

void makeCustomPumps(Catalogue& c)
{
    for (int i : {kCustom60, kCustom50})
        c.m->udtPumps[size_t(i)].strKind = "#Custom#";
}

void edit(EditorModel& e, int index)
{
    e.view.selected = index;
    e.cmdEdit_Click();
}

// Add with a size of its own; the length options as Add left them.
void addHose(EditorModel& e, const char* size = "7/8")
{
    e.cmdAdd_Click();
    e.setName(QString::fromLatin1(size));
    ASSERT_TRUE(e.name_LostFocus());
}

} // namespace

// --- hose length ---

TEST(HoseEditor, AddLocksTheStandardLengthInAndTheOptionsMoveIt)
{
    const struct {
        bool us;
        const char* standard;
        const char* caption;
    } units[] = {{true, "100", "Hose Length(ft)"}, {false, "30.48", "Hose Length(m)"}};
    for (const auto& u : units) {
        SCOPED_TRACE(u.caption);
        Catalogue c(u.us);
        auto e = c.open(Kind::Hose);
        EXPECT_EQ(e->view.lengthCaption, u.caption);
        EXPECT_TRUE(e->view.standardLength);
        EXPECT_FALSE(e->view.customizedLength);
        EXPECT_EQ(e->view.length, "");
        EXPECT_FALSE(e->view.lengthOn);
        EXPECT_FALSE(e->view.lengthOptionsOn);

        e->cmdAdd_Click();
        EXPECT_TRUE(e->view.standardLength);
        EXPECT_TRUE(e->view.lengthOptionsOn);
        EXPECT_FALSE(e->view.lengthOn);
        EXPECT_EQ(e->view.length, u.standard);

        // Customized unlocks the box and leaves its text; Standard puts the
        // standard length back over what was typed and locks it again.
        e->optCustomized_Click();
        EXPECT_TRUE(e->view.customizedLength);
        EXPECT_FALSE(e->view.standardLength);
        EXPECT_TRUE(e->view.lengthOn);
        EXPECT_EQ(e->view.length, u.standard);
        e->setLength("12");
        e->length_LostFocus();
        EXPECT_EQ(e->view.length, "12");
        e->optStandard_Click();
        EXPECT_TRUE(e->view.standardLength);
        EXPECT_FALSE(e->view.customizedLength);
        EXPECT_FALSE(e->view.lengthOn);
        EXPECT_EQ(e->view.length, u.standard);
        EXPECT_TRUE(c.ui.messages.empty());
    }
}

TEST(HoseEditor, SaveStoresTheLengthTheBoxEndsWith)
{
    // Save leaves the box first: its check runs on what is still unchecked.
    const struct {
        const char* what;
        bool customized;
        const char* typed; // nullptr: nothing typed
        bool leftBeforeSave;
        bool standardAgain;
        float stored;
        const char* message;
    } cases[] = {
        {"standard", false, nullptr, false, false, 100.0f, ""},
        {"customized, untouched", true, nullptr, false, false, 100.0f, ""},
        {"typed and left", true, "50", true, false, 50.0f, ""},
        {"typed, Save leaves the box", true, "37.5", false, false, 37.5f, ""},
        {"over the limit, Save leaves the box", true, "150", false, false, 100.0f,
         "Maximum Value can be entered is 100"},
        {"emptied", true, "", true, false, 100.0f, ""},
        {"zero, Save leaves the box", true, "0", false, false, 100.0f, "Hose length must be above 0"},
        {"typed, then Standard", true, "50", true, true, 100.0f, ""},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        Catalogue c;
        auto e = c.open(Kind::Hose);
        const size_t before = c.m->udtHoses.size();
        addHose(*e);
        if (k.customized)
            e->optCustomized_Click();
        if (k.typed) {
            e->setLength(QString::fromLatin1(k.typed));
            if (k.leftBeforeSave)
                e->length_LostFocus();
        }
        if (k.standardAgain)
            e->optStandard_Click();
        e->cmdSave_Click();
        ASSERT_EQ(c.m->udtHoses.size(), before + 1);
        EXPECT_EQ(c.m->udtHoses.back().strName, "7/8");
        EXPECT_EQ(c.m->udtHoses.back().sngLength, k.stored);
        const auto texts = c.ui.texts();
        EXPECT_EQ(texts.empty() ? QString() : texts.back(), QString::fromLatin1(k.message));
        // Idle: both options and the box locked, the choice and the text kept.
        EXPECT_EQ(e->mode(), Mode::Idle);
        EXPECT_FALSE(e->view.lengthOn);
        EXPECT_FALSE(e->view.lengthOptionsOn);
        EXPECT_EQ(e->view.customizedLength, k.customized && !k.standardAgain);
        EXPECT_EQ(e->view.length, QString::number(double(k.stored)));
    }
}

TEST(HoseEditor, WhateverLocksTheLengthBoxTheLengthStoredPassesItsCheck)
{
    // A length typed and not yet checked (the box not left) is checked
    // before Standard, Save or OK lock the box: an empty box takes the
    // standard length, 0 and "." are refused for it. No hose is stored with
    // a length of 0, which would give it no loss at all.
    for (bool add : {false, true})
        for (bool standard : {true, false})
            for (bool ok : {false, true})
                for (const char* typed : {"", "0", "."}) {
                    SCOPED_TRACE(std::string(add ? "Add, Customized" : "Edit") + (standard ? ", Standard" : "")
                                 + (ok ? ", OK: \"" : ", Save: \"") + typed + "\"");
                    Catalogue c;
                    makeCustomHose(c);
                    auto e = c.open(Kind::Hose);
                    if (add) {
                        addHose(*e);
                        e->optCustomized_Click();
                    } else {
                        edit(*e, kCustomHose);
                    }
                    ASSERT_TRUE(e->view.lengthOn);
                    e->setLength(QString::fromLatin1(typed));
                    if (standard) {
                        e->optStandard_Click();
                        EXPECT_FALSE(e->view.lengthOn);
                        EXPECT_EQ(e->view.length, "100");
                    }
                    if (!ok)
                        e->cmdSave_Click();
                    ASSERT_EQ(e->cmdOk_Click(), Closing::Close);
                    const auto onFile = c.hosesOnFile();
                    ASSERT_EQ(onFile.size(), c.m->udtHoses.size());
                    EXPECT_EQ((add ? onFile.back() : onFile[kCustomHose]).sngLength, 100.0f);
                    EXPECT_EQ(c.ui.texts(),
                              *typed ? std::vector<QString>{"Hose length must be above 0"} : std::vector<QString>{});
                }
}

TEST(HoseEditor, StandardInAnEditKeepsTheRecordsLengthUntilAnAddOfTheOpening)
{
    Catalogue c;
    makeCustomHose(c);
    auto e = c.open(Kind::Hose);
    for (bool afterAdd : {false, true}) {
        SCOPED_TRACE(afterAdd ? "after an Add" : "no Add yet");
        if (afterAdd) {
            e->cmdAdd_Click();
            e->cmdClear_Click();
        }
        edit(*e, kCustomHose);
        ASSERT_EQ(e->mode(), Mode::Editing);
        EXPECT_EQ(e->view.length, "50");
        EXPECT_TRUE(e->view.lengthOn);
        EXPECT_TRUE(e->view.lengthOptionsOn);
        EXPECT_TRUE(e->view.customizedLength);
        EXPECT_FALSE(e->view.standardLength);
        e->optStandard_Click();
        EXPECT_FALSE(e->view.lengthOn);
        EXPECT_EQ(e->view.length, afterAdd ? "100" : "50");
        e->cmdClear_Click();
    }
}

TEST(HoseEditor, ClearAndAStandardHoseLeaveTheLengthChoiceWhereItWas)
{
    Catalogue c;
    makeCustomHose(c);
    auto e = c.open(Kind::Hose);
    edit(*e, kCustomHose);
    ASSERT_TRUE(e->view.customizedLength);
    e->cmdClear_Click();
    EXPECT_EQ(e->view.name, "");
    EXPECT_EQ(e->view.length, "");
    EXPECT_FALSE(e->view.nameOn);
    EXPECT_FALSE(e->view.lengthOn);
    EXPECT_FALSE(e->view.lengthOptionsOn);
    EXPECT_TRUE(e->view.customizedLength) << "Clear keeps the choice, locked";
    EXPECT_EQ(e->grid.rows(), 13);

    // A standard hose is shown locked; the options are not touched.
    edit(*e, 0);
    ASSERT_EQ(e->mode(), Mode::Viewing);
    EXPECT_EQ(e->view.name, "5/8");
    EXPECT_EQ(e->view.length, "100");
    EXPECT_FALSE(e->view.nameOn);
    EXPECT_FALSE(e->view.lengthOn);
    EXPECT_FALSE(e->view.lengthOptionsOn);
    EXPECT_TRUE(e->view.customizedLength);
    e->cmdClear_Click();

    // Add starts from Standard whatever was chosen before.
    e->cmdAdd_Click();
    EXPECT_TRUE(e->view.standardLength);
    EXPECT_FALSE(e->view.customizedLength);
    EXPECT_FALSE(e->view.lengthOn);
    EXPECT_EQ(e->view.length, "100");
}

TEST(HoseEditor, DeleteEmptiesTheLengthBoxAndLeavesTheOptions)
{
    Catalogue c;
    auto e = c.open(Kind::Hose);
    addHose(*e, "1 1/2");
    e->optCustomized_Click();
    e->setLength("40");
    e->length_LostFocus();
    e->cmdSave_Click();
    ASSERT_EQ(e->view.length, "40");
    e->view.selected = int(e->view.names.size()) - 1;
    c.ui.answers = {platform::MsgResult::OK};
    e->cmdDelete_Click();
    EXPECT_EQ(c.ui.messages.back().text, "Delete Hose - 1 1/2");
    EXPECT_EQ(e->view.name, "");
    EXPECT_EQ(e->view.length, "");
    EXPECT_TRUE(e->view.customizedLength);
    EXPECT_FALSE(e->view.lengthOptionsOn);
    EXPECT_EQ(e->grid.rows(), 12);
    EXPECT_EQ(e->view.names.count("1 1/2"), 0);
}

TEST(HoseEditor, AnAddLeavesTheStandardLengthInTheNextOpeningsBox)
{
    // One editor object over several openings, as the main window keeps it.
    for (bool us : {true, false}) {
        SCOPED_TRACE(us ? "US" : "metric");
        Catalogue c(us);
        makeCustomHose(c);
        const QString standard = us ? "100" : "30.48";
        EditorModel e(*c.m, Kind::Hose);
        e.host = &c;
        auto closeWithNo = [&] {
            c.ui.answers = {platform::MsgResult::No};
            ASSERT_EQ(e.cmdCancel_Click(), Closing::Close);
        };

        e.Form_Load();
        edit(e, kCustomHose);
        e.cmdClear_Click();
        closeWithNo();
        e.Form_Load();
        EXPECT_EQ(e.view.length, "") << "no Add in the opening before";

        // An Add left on Customized with a length of its own.
        e.cmdAdd_Click();
        e.optCustomized_Click();
        e.setLength("20");
        closeWithNo();
        e.Form_Load();
        EXPECT_EQ(e.view.length, standard);
        EXPECT_TRUE(e.view.standardLength);
        EXPECT_FALSE(e.view.customizedLength);
        EXPECT_FALSE(e.view.lengthOn);
        EXPECT_FALSE(e.view.lengthOptionsOn);

        // The opening cleared the flag: Standard keeps a record's own length.
        edit(e, kCustomHose);
        const QString own = e.view.length;
        EXPECT_NE(own, standard);
        e.optStandard_Click();
        EXPECT_EQ(e.view.length, own);
        e.cmdClear_Click();
        closeWithNo();
        e.Form_Load();
        EXPECT_EQ(e.view.length, "");
    }
}

TEST(HoseEditor, OkWritesTheLengthInFeet)
{
    const struct {
        const char* what;
        bool us;
        bool add; // else an Edit of the custom hose of 50 ft
        const char* typed;
        bool save;
        float written;
    } cases[] = {
        {"edit, OK without Save", true, false, "75", false, 75.0f},
        {"edit, saved", true, false, "75", true, 75.0f},
        {"add, saved", true, true, "50", true, 50.0f},
        {"add, OK without Save", true, true, "50", false, 50.0f},
        {"metric add, saved", false, true, "15.24", true, 50.0f},
        {"metric add of the standard length", false, true, "30.48", false, 100.0f},
        {"metric edit, OK without Save", false, false, "7.62", false, 25.0f},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        Catalogue c(k.us);
        makeCustomHose(c);
        auto e = c.open(Kind::Hose);
        const size_t before = c.m->udtHoses.size();
        if (k.add) {
            addHose(*e);
            e->optCustomized_Click();
        } else {
            edit(*e, kCustomHose);
        }
        e->setLength(QString::fromLatin1(k.typed));
        e->length_LostFocus();
        if (k.save)
            e->cmdSave_Click();
        ASSERT_EQ(e->cmdOk_Click(), Closing::Close);
        const auto onFile = c.hosesOnFile();
        ASSERT_EQ(onFile.size(), before + (k.add ? 1 : 0));
        const typHose& r = k.add ? onFile.back() : onFile[kCustomHose];
        EXPECT_EQ(r.strName, k.add ? "7/8" : "1 1/4");
        EXPECT_EQ(r.sngLength, k.written);
    }
}

// --- both variants ---

TEST(HoseAndPumpEditors, AStandardEntryShownByEditIsNotStoredBySave)
{
    // Stored, it would take the list code in force ("I" for "AI") and, in
    // metric units, a length rounded through metres.
    for (bool us : {true, false}) {
        for (Kind kind : {Kind::Hose, Kind::Pump}) {
            SCOPED_TRACE(::testing::Message() << (us ? "US " : "metric ") << (kind == Kind::Hose ? "hose" : "pump"));
            Catalogue c(us);
            const char* fileName = kind == Kind::Hose ? "HOSES.DAT" : "PUMP.DAT";
            const QByteArray shipped = c.file(fileName);
            auto e = c.open(kind);
            edit(*e, kind == Kind::Hose ? 0 : kStandard50);
            ASSERT_EQ(e->mode(), Mode::Viewing);
            e->cmdSave_Click();
            EXPECT_EQ(e->mode(), Mode::Idle);
            const typComponent& shown = kind == Kind::Hose ? c.m->udtHoses[0] : c.m->udtPumps[kStandard50];
            EXPECT_EQ(shown.strListCode, "AI");
            ASSERT_EQ(e->cmdOk_Click(), Closing::Close);
            EXPECT_EQ(c.file(fileName), shipped);
        }
    }
}

// --- pump frequency ---

TEST(PumpEditor, TheFrequencyButtonsShowTheEntryInHand)
{
    Catalogue c;
    makeCustomPumps(c);
    auto e = c.open(Kind::Pump);
    c.ui.answers.clear(); // OK to Delete's question
    const struct {
        const char* what;
        std::function<void()> act;
        bool fifty, on;
        Mode mode;
    } steps[] = {
        {"opening", [] {}, false, false, Mode::Idle},
        {"Edit of a standard 50 Hz pump", [&] { edit(*e, kStandard50); }, true, false, Mode::Viewing},
        {"Clear", [&] { e->cmdClear_Click(); }, true, false, Mode::Idle},
        {"Add after a 50 Hz pump", [&] { e->cmdAdd_Click(); }, false, true, Mode::Adding},
        {"50 Hz chosen", [&] { e->selectFrequency(true); }, true, true, Mode::Adding},
        {"Clear", [&] { e->cmdClear_Click(); }, true, false, Mode::Idle},
        {"Edit of a custom 60 Hz pump", [&] { edit(*e, kCustom60); }, false, true, Mode::Editing},
        {"Clear", [&] { e->cmdClear_Click(); }, false, false, Mode::Idle},
        {"Edit of a custom 50 Hz pump", [&] { edit(*e, kCustom50); }, true, true, Mode::Editing},
        {"Clear after a 50 Hz edit", [&] { e->cmdClear_Click(); }, true, false, Mode::Idle},
        {"Edit of a standard 60 Hz pump", [&] { edit(*e, kStandard60); }, false, false, Mode::Viewing},
        {"Clear", [&] { e->cmdClear_Click(); }, false, false, Mode::Idle},
        {"Delete of a custom 50 Hz pump",
         [&] {
             e->view.selected = kCustom50;
             e->cmdDelete_Click();
         },
         false, false, Mode::Idle},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(e->view.fifty, s.fifty) << s.what;
        EXPECT_EQ(e->view.optionsOn, s.on) << s.what;
        EXPECT_EQ(e->mode(), s.mode) << s.what;
    }
    ASSERT_EQ(c.m->udtPumps.size(), 7u) << "the Delete was carried out";
}

TEST(PumpEditor, SaveStoresTheFrequencyShownAndLeavesTheButtonsLocked)
{
    for (bool fifty : {true, false}) {
        SCOPED_TRACE(fifty ? "50 Hz" : "60 Hz");
        Catalogue c;
        auto e = c.open(Kind::Pump);
        e->cmdAdd_Click();
        e->setName("Test Pump");
        ASSERT_TRUE(e->name_LostFocus());
        if (fifty)
            e->selectFrequency(true);
        e->grid_Click(0);
        typeCell(*e, 1, 0, "10");
        typeCell(*e, 1, 1, "80");
        e->cmdSave_Click();
        const typComponent& added = c.m->udtPumps.back();
        EXPECT_EQ(added.strName, "Test Pump");
        EXPECT_EQ(added.blnGasOr50Hz, fifty);
        EXPECT_EQ(added.sngLoss[1], 80.0f) << "the pump's heads are feet as typed";
        EXPECT_EQ(e->view.fifty, fifty);
        EXPECT_FALSE(e->view.optionsOn);
        EXPECT_EQ(e->mode(), Mode::Idle);
        EXPECT_FALSE(c.m->blnAddMode) << "the pump editor leaves the add mode with its Save";

        // An Edit of it shows its frequency; the other one saved is stored.
        const int index = int(c.m->udtPumps.size()) - 1;
        edit(*e, index);
        ASSERT_EQ(e->mode(), Mode::Editing);
        EXPECT_EQ(e->view.fifty, fifty);
        e->selectFrequency(!fifty);
        e->cmdSave_Click();
        EXPECT_EQ(c.m->udtPumps[size_t(index)].blnGasOr50Hz, !fifty);
        EXPECT_EQ(e->view.fifty, !fifty);
        ASSERT_EQ(e->cmdOk_Click(), Closing::Close);
        EXPECT_EQ(c.pumpsOnFile().back().blnGasOr50Hz, !fifty);
    }
}

TEST(PumpEditor, OkStoresAFrequencyChangedInAnEdit)
{
    for (int index : {kCustom60, kCustom50}) {
        Catalogue c;
        makeCustomPumps(c);
        c.m->udtPumps[size_t(index)].strListCode = "AC";
        auto e = c.open(Kind::Pump);
        const bool wasFifty = index == kCustom50;
        edit(*e, index);
        ASSERT_EQ(e->view.fifty, wasFifty);
        e->selectFrequency(!wasFifty);
        ASSERT_EQ(e->cmdOk_Click(), Closing::Close);
        const auto onFile = c.pumpsOnFile();
        ASSERT_EQ(onFile.size(), 8u);
        EXPECT_EQ(onFile[size_t(index)].blnGasOr50Hz, !wasFifty) << index;
        EXPECT_EQ(onFile[size_t(index)].strListCode, "I") << "the component list in force";
        EXPECT_EQ(onFile[size_t(index)].strKind, "#Custom#");
    }
}

TEST(PumpEditor, HeadsAreFeetOrMetresWithTheirOwnLimit)
{
    const struct {
        bool us;
        const char* head;
        const char* refusal; // "": accepted
    } cases[] = {
        {true, "999.1", ""},  {true, "999.2", "Maximum value is 999.1"},  {true, "400", ""},
        {false, "304.5", ""}, {false, "304.6", "Maximum value is 304.5"}, {false, "400", "Maximum value is 304.5"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << (k.us ? "US " : "metric ") << k.head);
        Catalogue c(k.us);
        auto e = c.open(Kind::Pump);
        EXPECT_EQ(e->view.headHeading, k.us ? "TDH - Feet" : "TDH - Meter");
        EXPECT_EQ(e->view.flowHeading, k.us ? "GPM" : "LPM");
        e->cmdAdd_Click();
        e->grid.setCurrent(0, 1);
        e->grid_KeyPress(8);
        for (const char* ch = k.head; *ch; ++ch)
            e->grid_KeyPress(*ch);
        const bool accepted = e->grid_LeaveCell();
        EXPECT_EQ(accepted, !*k.refusal);
        const auto texts = c.ui.texts();
        EXPECT_EQ(texts.empty() ? QString() : texts.back(), QString::fromLatin1(k.refusal));
    }
}
