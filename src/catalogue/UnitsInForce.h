#pragma once
// The units in force. The program keeps two copies of the units setting: the
// settings object (what the settings say, the one TDR.ini keeps) and the
// System Settings dialog's option buttons (what the window shows, which a
// units switch changes before OK stores it). Every reader of either goes
// through these two.

class Module1;

namespace catalogue {

// The settings say US units. A store without a settings object counts as a
// new one, which holds metric units.
bool settingsSayUS(const Module1& m);

// The window shows US units (the System Settings buttons). A store without the
// buttons counts as US.
bool windowShowsUS(const Module1& m);

} // namespace catalogue
