#pragma once
// The shared store: everything the program keeps module-level. It owns no
// widgets. The application owns one; every test builds a fresh one.

#include "MainWindowLinks.h"
#include "PipingConstants.h"
#include "Records.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class clsDispenserData;
class clsBreakawayData;
class clsDispOthersData;
class clsHoseData;
class clsLeakDetectorData;
class clsNozzleData;
class clsPipeHeadData;
class clsPumpData;
class clsPumpOthersData;
class clsSiteProperties;
class clsConfigureData;

class Module1 {
public:
    // programFolder: the folder holding TDR.ini, Components/, Image/, SaveSiteInfo/.
    explicit Module1(QString programFolder);
    ~Module1();
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    // A path below the program folder, written with "\" or "/".
    QString programPath(const QString& relative) const;

    QString strAppPath; // the program folder

    // --- links to the main window, set by whoever owns the windows ---
    SystemSettingsButtons* frmData = nullptr; // System Settings option buttons
    PipingLists* frmMainPiping = nullptr;     // the four piping lists
    MainWindowReinit* frmMain = nullptr;      // the main window's initialisation

    // --- the eleven data objects, created by the main window's initialisation ---
    std::unique_ptr<clsDispenserData> objDispenserData;
    std::unique_ptr<clsBreakawayData> objBreakawayData;
    std::unique_ptr<clsDispOthersData> objDispOthersData;
    std::unique_ptr<clsHoseData> objHoseData;
    std::unique_ptr<clsLeakDetectorData> objLeakDetectorData;
    std::unique_ptr<clsNozzleData> objNozzleData;
    std::unique_ptr<clsPipeHeadData> objPipeHeadData;
    std::unique_ptr<clsPumpData> objPumpData;
    std::unique_ptr<clsPumpOthersData> objPumpOthersData;
    std::unique_ptr<clsSiteProperties> objSiteProperties;
    std::unique_ptr<clsConfigureData> objConfigureData;
    // Creates all eleven anew, in the order above.
    void CreateDataObjects();

    // --- catalogue tables: 0-based, last index = records - 1 ---
    // clang-format off: each kind's table beside its two indexes
    std::vector<typComponent> udtPumps;        int16_t intPumpMax = -1;        int16_t intPumpIndex = 0;
    std::vector<typComponent> udtPumpOthers;   int16_t intPumpOthersMax = -1;  int16_t intPumpOthersIndex = 0;
    std::vector<typComponent> udtLeakDetectors; int16_t intLeakDetectorMax = -1; int16_t intLeakDetectorIndex = 0;
    std::vector<typComponent> udtDispensers;   int16_t intDispMax = -1;        int16_t intDispIndex = 0;
    std::vector<typComponent> udtDispOthers;   int16_t intDispOthersMax = -1;  int16_t intDispOthersIndex = 0;
    std::vector<typHose> udtHoses;             int16_t intHoseMax = -1;        int16_t intHoseIndex = 0;
    std::vector<typComponent> udtNozzles;      int16_t intNozzleMax = -1;      int16_t intNozzleIndex = 0;
    std::vector<typComponent> udtBreakaways;   int16_t intBreakawayMax = -1;   int16_t intBreakawayIndex = 0;
    // clang-format on
    int16_t intIndex = 0; // the shared record and loop counter

    // --- piping tables, fixed bounds, all in feet ---
    float sngPipeRoughness[kPipeMaterials] = {};
    float sngPipeDiameter[kPipeSizes] = {};
    typValve udtValves[kPipeValves];
    float sngFittingLength[kPipeSizes][kFittingKinds] = {};
    int16_t intPipeTypeCount = 0;
    int16_t intPipeSizeCount = 0;
    int16_t intValveCount = 0;
    typPipeName udtPipeNames[1]; // only entry 0 is ever used

    // --- list filters ---
    int16_t intRecord = 0;
    QString strComponentList;
    QString strListA;
    QString strListI;
    QString strListC;

    // --- editors ---
    bool blnAddMode = false;
    bool blnEditMode = false;

    // --- hydraulic calculation ---
    float sngViscosity = 0.0f; // ft^2/s
    float sngTrunkLoss = 0, sngBranchLoss = 0, sngTotalRise = 0, sngLeakDetectorLoss = 0, sngDispLoss = 0,
          sngDispOthersLoss = 0, sngBreakawayLoss = 0, sngNozzleLoss = 0, sngPumpOthersLoss = 0, sngHoseLoss = 0,
          sngTDH = 0;
    float sngValveLength = 0;

    // --- results (sized by the main window: positions 0 to intPlotNozzles) ---
    int16_t intPlotNozzles = 0;
    int16_t intNozzlesEntered = 0;
    float sngNozzleFlow = 0;
    std::vector<float> sngCurrentGPM, sngBaselineGPM, sngCurrentLPM, sngBaselineLPM, sngCurrentX, sngBaselineX;
    std::vector<float> sngCurrentGPMRounded, sngBaselineGPMRounded, sngCurrentLPMRounded, sngBaselineLPMRounded;
    std::vector<float> sngNozzleCount;
    float sngCurrentMaxFlow = 0, sngBaselineMaxFlow = 0;
    // The value-axis maximum last given to a flow graph.
    double dblFlowAxisMax = 0;
    // Rows 1 to intPlotNozzles (row 0 unused), columns 1 baseline and 2 current.
    std::vector<std::array<float, 3>> sngFlowGraphData;
    // Rows 0 to F - 1, columns 0 and 1.
    std::vector<std::array<float, 2>> sngPumpCurveData;
    bool blnAutoBaseline = false;
    bool blnGraphEmpty = true;
    bool blnSaved = false;
    // Sizes the result arrays to 0..intPlotNozzles and the graph table to
    // rows 1..intPlotNozzles, every element 0.
    void SizeResults();

    // --- site file ---
    QString strSiteFile;

    // --- main window ---
    // The units in which the main window's length fields show their values;
    // exactly one is true.
    bool blnUSUnitsShown = true;
    bool blnMetricUnitsShown = false;
};
