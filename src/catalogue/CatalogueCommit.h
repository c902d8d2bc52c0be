#pragma once
// What an editor's OK does around the commit of a new entry (SetDispData and
// its fellows, CatalogueData.h): it appends an empty record, the commit fills
// it from the editor window, and when the commit refuses the entries the
// editor drops the record again (DropLastRecord). The commit checks the
// entries before it changes anything: more than 255 points, a grid without
// rows, a cell or a hose length that is not a number are refused with a
// message box, leaving the record and the add mode as they were. Outside the
// add mode it changes nothing and returns true; called without a last record
// to fill (no record appended) it returns false and changes nothing.

#include "Records.h"

class Module1;

namespace catalogue {

// Grows the kind's table by one empty record at its end, whatever the editor's
// name list shows, and sets the kind's last index and edit index to it.
// Returns false, after a message, when the table already holds the most
// records a table can (kMaxRecords); nothing changes then.
bool AppendEmptyRecord(Module1& m, Kind kind);

// Removes the table's last record (the one AppendEmptyRecord added) and sets
// the last index and the edit index to the new last record (the edit index to
// 0 when the table is left empty).
void DropLastRecord(Module1& m, Kind kind);

} // namespace catalogue
