#include "SharedServices.h"

#include "CatalogueData.h"
#include "Module1.h"
#include "clsConfigureData.h"
#include "clsSiteProperties.h"
#include "platform/Clock.h"
#include "platform/NumText.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"

#include <cmath>
#include <iterator>

namespace catalogue {

using platform::ui;

QString MessageText(Msg message)
{
    const int code = int(message);
    static const char* const texts[] = {
        "Selected Component is Standard -- Cannot be Deleted",
        "Component Name already exists - Please Enter Other name",
        "Field cannot be empty",
        "First Character of Component Name cannot have space",
        "Last Character of Component Name cannot have space",
        "Enter Component name",
        "Error in Printer",
        "INI file does not exist",
        "INI File Corrupted. Cannot Load Application",
        "Error in File Load",
        "File doesn't exists",
        "Please select the default Data filename ",
        "Problem in reading Breakaway Data File",
        "Problem in reading Dispenser Data file",
        "Problem in reading DispenserOthers Data File",
        "Problem in reading Hose Data File",
        "Problem in reading LeakDetector Data File",
        "Problem in reading Nozzle Data File",
        "Problem in reading Pump Data file",
        "Problem in reading PumpOthers Data File",
        "Breakaway data file does not exist",
        "Dispenser data file does not exist",
        "Dispenser Others data file does not exist",
        "Hose data file does not exist",
        "LeakDetector data file does not exist",
        "Nozzle data file does not exist",
        "Piping data file does not exist",
        "Pump data file does not exist",
        "Pump Others data file does not exist",
        "Component Name cannot be None",
        "Enter Valid Hose Size",
        "Help File doesn't exist",
        "Problem in reading Piping Data File",
    };
    static_assert(std::size(texts) == 33);
    if (code < 1 || code > 33)
        return {};
    return QString::fromLatin1(texts[code - 1]);
}

void ShowMessage(Msg message)
{
    const QString text = MessageText(message);
    if (text.isEmpty())
        return; // no message has this code
    ui().messageBox(text, kAppTitle, platform::MsgButtons::OK,
                    message == Msg::FileLoadError ? platform::MsgIcon::Exclamation : platform::MsgIcon::None);
}

void ShowText(const QString& text)
{
    ui().messageBox(text, kAppTitle, platform::MsgButtons::OK, platform::MsgIcon::None);
}

void ShowHelpTopic(const QString& helpFile, const QString& topic)
{
    if (!platform::fileExists(helpFile)) {
        ShowMessage(Msg::HelpFileMissing);
        return;
    }
    ui().showHelp(platform::resolveCase(helpFile), topic);
}

QString HelpFilePath(const Module1& m) { return m.programPath("TDRHelpFile.chm"); }

int16_t GetAxisMaximum(float v)
{
    // The 16-bit arithmetic serves -9999.5 < v < 30000. Worked in 64 bits, the
    // same steps give the same results there; beyond it the result is held at
    // 30000, the largest round maximum a 16-bit axis takes.
    if (!std::isfinite(v))
        return 10;
    // Every value from 29999.5 on gives 30000; answering at once also keeps
    // the count of multiples below from running on for a huge value.
    if (v >= 30000.0f)
        return 30000;
    const double n = platform::roundHalfEven0(v);
    const int64_t whole = static_cast<int64_t>(std::fmax(std::fmin(n, 1e12), -1e12));
    const int digits = int(QString::number(whole).size()); // a minus sign counts
    int64_t u = 1;
    for (int i = 1; i < digits; ++i)
        u *= 10;
    if (u < 10)
        return 10;
    int64_t k = 1;
    while (static_cast<float>(k * u) <= v)
        ++k;
    const int64_t m = k * u;
    int64_t result = m;
    for (int64_t step : {15, 25, 50, 100, 250, 500, 1000, 2500, 5000}) {
        if (step >= m) {
            result = step;
            break;
        }
    }
    return static_cast<int16_t>(std::min<int64_t>(result, 30000));
}

void Pause(float t)
{
    // A wait of no time, or of no value, returns at once; a day is more than
    // any caller means.
    if (!(t > 0.0f))
        return;
    const int64_t end = platform::milliseconds() + static_cast<int64_t>(std::fmin(t, 86400000.0f));
    for (int64_t now = platform::milliseconds(); now < end; now = platform::milliseconds()) {
        platform::processPendingEvents();
        // Rest between turns rather than spin: the windows still answer
        // within a few milliseconds.
        platform::sleepMilliseconds(std::min<int64_t>(end - now, 5));
    }
}

void ReleaseDataObjects(Module1& m)
{
    m.objDispenserData.reset();
    m.objBreakawayData.reset();
    m.objDispOthersData.reset();
    m.objHoseData.reset();
    m.objLeakDetectorData.reset();
    m.objNozzleData.reset();
    m.objPipeHeadData.reset();
    m.objPumpData.reset();
    m.objPumpOthersData.reset();
    m.objSiteProperties.reset();
    m.objConfigureData.reset();
}

bool runOrEndProgram(Module1& m, const std::function<void()>& code)
{
    try {
        code();
        return true;
    } catch (const platform::ProgramEnd& end) {
        ReleaseDataObjects(m);
        ui().endApplication(end.code());
        return false;
    }
}

} // namespace catalogue
