#pragma once
// A copy of the shipped catalogue read into a Module1, with editors opened
// over it as the main window opens them, and helpers that drive an editor
// as the window does.

#include "FakeUiServices.h"
#include "TestFolder.h"

#include "catalogue/CatalogueData.h"
#include "catalogue/Module1.h"
#include "catalogue/RecordFormat.h"
#include "catalogue/clsConfigureData.h"
#include "editors/EditorModel.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace editortest {

struct Catalogue : EditorHost {
    FakeUiServices ui;
    TestFolder folder;
    std::unique_ptr<Module1> m;
    int refreshes = 0;

    explicit Catalogue(bool us = true)
    {
        folder.copyShippedData();
        m = std::make_unique<Module1>(folder.path());
        m->CreateDataObjects();
        catalogue::ReadDataFiles(*m);
        m->objConfigureData->setUnits(us);
        m->objConfigureData->setComponentList(1);
    }
    void RefreshComponentLists() override { ++refreshes; }
    std::unique_ptr<editors::EditorModel> open(Kind kind)
    {
        auto e = std::make_unique<editors::EditorModel>(*m, kind);
        e->host = this;
        e->Form_Load();
        return e;
    }
    QByteArray file(const char* name) const { return folder.read(QStringLiteral("Components/") + name); }
    // The records a catalogue file holds now.
    std::vector<typComponent> componentsOnFile(const char* name) const
    {
        return catalogue::recordformat::parseComponents(file(name), catalogue::recordformat::FlowForm::Single, 32767)
            .value_or(std::vector<typComponent>{});
    }
    std::vector<typComponent> nozzlesOnFile() const { return componentsOnFile("NOZZLE.DAT"); }
    std::vector<typComponent> pumpsOnFile() const { return componentsOnFile("PUMP.DAT"); }
    std::vector<typHose> hosesOnFile() const
    {
        return catalogue::recordformat::parseHoses(file("HOSES.DAT"), catalogue::recordformat::FlowForm::Single, 32767)
            .value_or(std::vector<typHose>{});
    }
};

// Makes a cell current and types a text over it ("" empties it), staying
// in the cell.
inline void typeInto(editors::EditorModel& e, int row, int col, const char* text)
{
    e.grid.setCurrent(row, col);
    while (!e.grid.text(row, col).isEmpty())
        e.grid_KeyPress(8);
    for (const char* c = text; *c; ++c)
        e.grid_KeyPress(*c);
}

// Types a text into the current cell and leaves it.
inline void typeCell(editors::EditorModel& e, int row, int col, const char* text)
{
    typeInto(e, row, col, text);
    ASSERT_TRUE(e.grid_LeaveCell()) << text;
}

// Adds a custom nozzle with a three-point curve (the third row the spare one).
inline void addNozzle(editors::EditorModel& e, const char* name)
{
    e.cmdAdd_Click();
    e.setName(QString::fromLatin1(name));
    ASSERT_TRUE(e.name_LostFocus());
    e.grid_Click(0);
    typeCell(e, 1, 0, "10");
    typeCell(e, 1, 1, "2.5");
    e.grid_Click(1);
}

// A custom nozzle added in an opening of its own and written by OK.
inline void writeNozzle(Catalogue& c, const char* name)
{
    auto e = c.open(Kind::Nozzle);
    addNozzle(*e, name);
    ASSERT_EQ(e->cmdOk_Click(), editors::Closing::Close);
}

// Opens the kind's editor again and edits its last record (written by an
// earlier opening).
inline std::unique_ptr<editors::EditorModel> editLast(Catalogue& c, Kind kind)
{
    auto e = c.open(kind);
    e->view.selected = int(e->view.names.size()) - 1;
    e->cmdEdit_Click();
    return e;
}

} // namespace editortest
