#pragma once
// What a catalogue editor needs of the main window: its selection lists
// rebuilt from the tables once OK has written a catalogue file. The main
// window implements it.

class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual void RefreshComponentLists() = 0;
};
