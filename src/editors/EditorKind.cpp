#include "EditorKind.h"

namespace editors {

namespace {

const std::array<EditorKind, 8> kKinds = {{
    {Kind::Dispenser, "frmDispenser", "Dispenser", "Disp", "lblDispName", "Dispenser Name",
     "Option Menu\\Dispensers.htm", "Delete Dispenser - ",
     "User can enter the data for new dispensers, edit the data for existing custom type of dispenser and delete "
     "the existing custom type of dispenser. User can not edit, delete the  Standard type of component. If user "
     "wants to see the values of the Standard type of dispenser, he has to select the dispenser and click on the "
     "Edit button.",
     "TDH-Feet", "TDH-Meter", 1, false, 1, 13, Panel::FuelAndHead},
    {Kind::DispOthers, "frmDispOthers", "Dispensers Others", "DispOthers", "lblDispOthersName", "Dispenser Others Name",
     "Option Menu\\Dispenser Others.htm", "Delete DispOthers - ",
     "User can enter the data for new Dispenser Others components, edit the data for existing custom type of "
     "Dispenser Others component and delete the existing custom type of Dispenser Others components. User can "
     "not edit, delete the Standard type of component. If user wants to see the values of the Standard type of "
     "Dispenser Others components, he has to select the dispenser and click on the Edit button.",
     "TDH - Feet", "TDH - Meter", 2, false, -1, 13, Panel::FuelAndHead},
    {Kind::Nozzle, "frmNozzle", "Nozzle", "Nozzle", "lblNozzName", "Nozzle Name", "Option Menu\\Nozzles.htm",
     "Delete Nozzle - ",
     "User can enter the data for new Nozzle, edit the data for existing custom type of Nozzle and delete the "
     "existing custom type of Nozzle. User can not edit, delete the Standard type of components data. If user "
     "wants to see the values of the Standard type of Nozzle, he has to select the Nozzle and click on the Edit "
     "button.",
     "TDH - Feet", "TDH - Meter", 2, true, -1, 13, Panel::FuelAndHead},
    {Kind::LeakDetector, "frmMLD", "Leak Detector", "MLD", "lblLeakName", "Leak Detector Name",
     "Option Menu\\Leak Detectors.htm", "Delete LeakDetector - ",
     "User can enter the data for new Leak Detector, edit the data for existing custom type of Leak Detector and "
     "delete the existing custom type of Leak Detector. User can not edit, delete the Standard type of Leak "
     "Detector data. If user wants to see the values of the Standard type of Leak Detector, he has to select the "
     "Leak Detector and click on the Edit button.",
     "TDH - Feet", "TDH - Meter", 1, true, -1, 13, Panel::FuelAndHead},
    {Kind::Breakaway, "frmBRK", "Breakaway", "BRK", "lblBreakName", "Breakaway Name", "Option Menu\\Breakaways.htm",
     "Delete Breakaway - ",
     "User can enter the data for new Breakaway, edit the data for existing custom type of Breakaway and delete "
     "the existing custom type of Breakaway. User can not edit, delete the Standard type of Breakaway data. If "
     "user wants to see the values of the Standard type of Breakaway, he has to select the Breakaway and click on "
     "the Edit button.",
     "TDH - Feet", "TDH - Meter", 1, true, -1, 13, Panel::FuelAndHead},
    {Kind::Pump, "frmPump", "Pumps", "Pump", "lblPumpName", "Pump Name", "Option Menu\\Pumps.htm", "Delete Pump - ",
     "User can enter the data for new Pump, edit the data for existing custom type of Pump and delete the "
     "existing custom type of Pump. User can not edit, delete the Standard type of Pump data. If user wants to "
     "see the values of the Standard type of Pump, he has to select the Pump and click on the Edit button.",
     "TDH - Feet", "TDH - Meter", 1, true, -1, 13, Panel::Frequency},
    {Kind::PumpOthers, "frmPumpOthers", "Pump Others", "PumpOthers", "lblDispName", "Pump Others Name",
     "Option Menu\\Pump Others.htm", "Delete PumpOther - ",
     "User can enter the data for new Pump Others components, edit the data for existing custom type of Pump "
     "Others and delete the existing custom type of Pump Others. User can not edit, delete the Standard type of "
     "Pump Others data. If user wants to see the values of the Standard type of Pump Others, he has to select "
     "the Pump Others and click on the Edit button.",
     "TDH - Feet", "TDH - Meter", 1, true, -1, 13, Panel::FuelAndHead},
    {Kind::Hose, "frmHose", "Hose Data", "Hose", "lblHoseSize", "Hose Size", "Option Menu\\Hoses.htm", "Delete Hose - ",
     "User can enter the data for new Hoses, edit the data for existing custom type of Hose and delete the "
     "existing custom type of Hose. User can not edit, delete the  Standard type of component. If user wants to "
     "see the values of the Standard type of Hose, he has to select the Hose and click on the Edit button.",
     "TDH - Feet", "TDH - Meter", 1, true, 2, 15, Panel::Hose},
}};

} // namespace

const std::array<EditorKind, 8>& editorKinds() { return kKinds; }

const EditorKind& editorKind(Kind kind)
{
    for (const EditorKind& k : kKinds)
        if (k.kind == kind)
            return k;
    return kKinds[0];
}

QString controlName(const EditorKind& kind, const char* prefix, const char* suffix)
{
    return QLatin1String(prefix) + QLatin1String(kind.tag) + QLatin1String(suffix);
}

} // namespace editors
