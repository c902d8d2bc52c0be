#pragma once
// The units in force. The program keeps two copies of the units setting: the
// settings object (what the settings say, the one TDR.ini keeps) and the
// System Settings dialog's option buttons (what the window shows, which a
// units switch changes before OK stores it). The catalogue, the editors, the
// site files and the reports read them through these two. Three reads stand
// apart, on purpose:
// - The calculation reads the buttons through its window interface
//   (MainWindowInputs::frmData), as it reads every other input: it sees the
//   buttons of the window it is given, a test's plain window included.
// - The baseline snapshots read the buttons of the main window's own link to
//   the dialog, the one the calculation reads, so a snapshot stores and puts
//   back its lengths in the units the calculation took them in.
// - Module1::blnUSUnitsShown / blnMetricUnitsShown are not the setting: they
//   say in which units the length fields hold their values now. The settings
//   OK converts the fields only when they differ from its choice, the
//   site-file reader sets them to the file's units, and the summary grid
//   notes them at each fill for the site-file writer.

class Module1;

namespace catalogue {

// The settings say US units. A store without a settings object counts as a
// new one, which holds metric units.
bool settingsSayUS(const Module1& m);

// The window shows US units (the System Settings buttons). A store without the
// buttons counts as US.
bool windowShowsUS(const Module1& m);

} // namespace catalogue
