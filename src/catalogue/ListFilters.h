#pragma once
// The component-list and fuel filters: one filler per catalogue kind and fuel
// (pumps: frequency). A filler judges the record at m.intRecord of its table:
// it sets m.strComponentList to the letter of the list chosen in System
// Settings ("A", "I" or "C") and m.strListA / strListI / strListC to the
// record's own letters, all three empty when the record's fuel or frequency
// does not match or its list code is not recognised.

class Module1;

namespace catalogue {

void GetListLettersPump50Hz(Module1& m);
void GetListLettersPump60Hz(Module1& m);
void GetListLettersHoseGas(Module1& m);
void GetListLettersHoseDiesel(Module1& m);
void GetListLettersDispGas(Module1& m);
void GetListLettersDispDiesel(Module1& m);
void GetListLettersDispOthersGas(Module1& m);
void GetListLettersDispOthersDiesel(Module1& m);
void GetListLettersNozzleGas(Module1& m);
void GetListLettersNozzleDiesel(Module1& m);
void GetListLettersBreakawayGas(Module1& m);
void GetListLettersBreakawayDiesel(Module1& m);
void GetListLettersLeakDetectorGas(Module1& m);
void GetListLettersLeakDetectorDiesel(Module1& m);
void GetListLettersPumpOthersGas(Module1& m);
void GetListLettersPumpOthersDiesel(Module1& m);

// The listing test the list builders apply right after a filler call: the
// chosen list's letter is one of the record's three slots (and not empty).
bool ListingTestPasses(const Module1& m);

} // namespace catalogue
