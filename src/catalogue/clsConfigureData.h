#pragma once
#include <cstdint>

// The three system settings. A plain holder: a new object holds American,
// metric units and diesel data.
class clsConfigureData {
public:
    void setComponentList(uint8_t vData) { mbytComponentList = vData; }
    uint8_t ComponentList() const { return mbytComponentList; } // 0 A, 1 I, 2 C (ComponentLists.h)
    void setUnits(bool vData) { mblnUnits = vData; }
    bool Units() const { return mblnUnits; } // true: US units
    void setData(bool vData) { mblnData = vData; }
    bool Data() const { return mblnData; } // true: gas data
private:
    bool mblnData = false;
    bool mblnUnits = false;
    uint8_t mbytComponentList = 0;
};
