#include "HeadLossDetails.h"

#include "catalogue/Module1.h"
#include "catalogue/UnitConversion.h"
#include "hydraulics/Commands.h"
#include "hydraulics/MainWindowInputs.h"
#include "platform/ListControl.h"
#include "platform/NumText.h"

namespace reports {

const std::array<DetailsColumn, kDetailsColumns>& detailsColumns()
{
    static const std::array<DetailsColumn, kDetailsColumns> columns = {{
        {"Label1", "Rise", "Total Rise (ft)", "Total Rise(m)", &Module1::sngTotalRise, false, false},
        {"Label2", "MLD", "Leak Detector Loss (ft)", "Leak Detector Loss(m)", &Module1::sngLeakDetectorLoss, false,
         false},
        {"Label3", "Trunk", "Trunk Loss (ft)", "Trunk Loss(m)", &Module1::sngTrunkLoss, false, false},
        {"Label4", "Branch", "Branch Loss (ft)", "Branch Loss(m)", &Module1::sngBranchLoss, false, false},
        {"Label5", "Disp", "Dispenser Loss (ft)", "Dispenser Loss(m)", &Module1::sngDispLoss, false, false},
        {"Label12", "DispOthers", "Dispenser Others Loss(ft)", "Disp Others Loss(m)", &Module1::sngDispOthersLoss,
         false, true},
        {"Label6", "Brk", "Breakaway Loss (ft)", "Breakaway Loss(m)", &Module1::sngBreakawayLoss, false, false},
        {"Label7", "Hose", "Hose Loss (ft)", "Hose Loss(m)", &Module1::sngHoseLoss, true, false},
        {"Label8", "Nozzle", "Nozzle Loss (ft)", "Nozzle Loss(m)", &Module1::sngNozzleLoss, false, false},
        {"Label10", "PumpOthers", "Pump Others Loss(ft)", "Pump Others Loss(m)", &Module1::sngPumpOthersLoss, false,
         true},
        {"Label9", "Total", "TDH (ft)", "TDH(m)", &Module1::sngTDH, false, false},
    }};
    return columns;
}

QString detailsValueText(float feet, bool us, bool twoDecimals)
{
    if (feet == 0.0f)
        return QStringLiteral("O/R");
    const int maxDecimals = twoDecimals ? 2 : 1;
    if (us)
        return platform::formatDecimals(double(feet), 7, 1, maxDecimals);
    return platform::formatDecimals(double(feet) * kFeetToMetres, 15, 1, maxDecimals);
}

DetailsTexts detailsTexts(const Module1& m, bool us)
{
    DetailsTexts texts;
    const auto& columns = detailsColumns();
    for (size_t c = 0; c < columns.size(); ++c) {
        texts.captions[c] = QString::fromLatin1(us ? columns[c].feetCaption : columns[c].metricCaption);
        texts.values[c] = detailsValueText(m.*columns[c].term, us, columns[c].twoDecimals);
    }
    return texts;
}

void SearchHeadLossDetails(Module1& m, MainWindowInputs& w)
{
    const int16_t n = platform::toInt16(platform::leadingNumber(w.txtNoOfNozzle())).value_or(0);
    const int16_t pump = int16_t(w.cmbPumps().listIndex());
    hydraulics::SearchFirstFailingFlow(m, w, pump, n);
}

} // namespace reports
