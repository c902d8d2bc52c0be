#include "SiteFileIO.h"

#include "catalogue/ComponentLists.h"
#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/UnitsInForce.h"
#include "catalogue/clsConfigureData.h"
#include "catalogue/clsSiteProperties.h"
#include "platform/ListControl.h"
#include "platform/TextFile.h"
#include "platform/TextGrid.h"

namespace sitefiles {

std::array<QString*, kPropertyCount> propertyTexts(clsSiteProperties& p)
{
    return {&p.strCustomerName, &p.strCustomerContact, &p.strSiteDescription,
            &p.strAddress1,     &p.strAddress2,        &p.strGeneratedBy,
            &p.strDate,         &p.strContact,         &p.strEmail,
            &p.strPhone};
}

namespace {

// The grid label a read writes beside each length line's cell, in each unit.
struct LengthLabel {
    SiteControl control;
    const char* us;
    const char* metric;
};
constexpr LengthLabel kLengthLabels[] = {
    {SiteControl::txtHoseLen, "Hose Length(ft)", "Hose Length(m)"},
    {SiteControl::txtBranchLength, "Branch Length(ft)", "Branch Length(m)"},
    {SiteControl::txtTrunkLength, "Trunk Length(ft)", "Trunk Length(m)"},
    {SiteControl::txtPipeLen, "Pipe Length(ft)", "Pipe Length(m)"},
    {SiteControl::txtTankDiameter, "Tank Diameter(inch)", "Tank Diameter(cm)"},
    {SiteControl::txtBuryDepth, "Bury Depth(ft)", "Bury Depth(m)"},
    {SiteControl::txtRise, "Rise(ft)", "Rise(m)"},
};

const LengthLabel& lengthLabel(SiteControl control)
{
    for (const LengthLabel& l : kLengthLabels)
        if (l.control == control)
            return l;
    return kLengthLabels[0];
}

int indexOf(const platform::ListControl& list, const QString& text)
{
    for (int i = 0; i < list.listCount(); ++i)
        if (list.list(i) == text)
            return i;
    return -1;
}

} // namespace

bool WriteSiteFile(Module1& m, SiteFileWindow& w, const QString& strFile, QString* error)
{
    SiteFileSource source;
    source.current = &w.currentGrid();
    source.gridMetric = w.currentGridMetric();
    source.optUS = catalogue::windowShowsUS(m);
    if (m.objSiteProperties) {
        const auto texts = propertyTexts(*m.objSiteProperties);
        for (int p = 0; p < kPropertyCount; ++p)
            source.properties[size_t(p)] = *texts[size_t(p)];
    }
    const std::optional<QStringList> lines = buildSiteFileLines(source, error);
    // A file the reader would cut off is not written: the old one stays.
    return lines && withinReadLimit(*lines, error) && platform::writeLines(strFile, *lines, error);
}

SiteFileRead ReadSiteFile(Module1& m, SiteFileWindow& w, const QString& strFile, QString* why)
{
    // One byte beyond the limit tells whether the file goes on past it; a
    // FIFO or device in place of the file is never opened.
    QByteArray bytes;
    if (platform::readFirstBytes(strFile, kMaxSiteFileBytes + 1, bytes) != platform::ReadStatus::Ok) {
        if (why)
            *why = QStringLiteral("the file cannot be opened");
        return SiteFileRead::CannotOpen;
    }
    // A count of no nozzles is the one count the window holds while the
    // settings allow none, and no count it holds otherwise.
    const std::optional<SiteFileContent> parsed = parseSiteFile(bytes, why, w.largestNozzleCount() == 0 ? 0 : 1);
    if (!parsed)
        return SiteFileRead::Refused;
    const auto& line = parsed->lines;

    // The settings the file selects; a component list or frequency it does
    // not name stays as it is.
    const QString& fuel = line[size_t(siteLineOf(LineForm::Fuel).line)];
    const QString& list = line[size_t(siteLineOf(LineForm::List).line)];
    const QString& frequency = line[size_t(siteLineOf(LineForm::Frequency).line)];
    SiteSettings settings;
    settings.gas = fuel == QLatin1String("True");
    const std::optional<uint8_t> listCode = catalogue::componentListCode(list);
    settings.componentList = listCode.value_or(m.objConfigureData ? m.objConfigureData->ComponentList() : 0);
    const bool us = usUnits(*parsed);
    const bool namesFrequency = frequency == QLatin1String("True") || frequency == QLatin1String("False");
    settings.fiftyHz = namesFrequency ? frequency == QLatin1String("True") : w.opt50Hz();

    // Every selection must name an entry of the list it would be made in.
    for (const SiteLine& l : siteLines()) {
        if (l.form != LineForm::Selection)
            continue;
        const QString text = *appliedCellText(*parsed, l);
        const std::optional<QStringList> entries = w.listEntriesFor(l.control, settings);
        if (entries ? !entries->contains(text) : indexOf(w.siteList(l.control), text) < 0) {
            if (why)
                *why = QStringLiteral("line %1 names no entry of its list: \"%2\"").arg(l.line + 1).arg(text);
            return SiteFileRead::Refused;
        }
    }

    platform::TextGrid& current = w.currentGrid();
    platform::TextGrid& baseline = w.baselineGrid();
    auto cells = [&](int row, int col, const QString& text) {
        current.setTextMatrix(row, col, text);
        baseline.setTextMatrix(row, col, text);
    };
    auto lineCells = [&](const SiteLine& l) { cells(l.row, l.col, *appliedCellText(*parsed, l)); };

    // Fuel, component list and units.
    w.setSettingsOptions(settings.gas, listCode, us);
    if (clsConfigureData* c = m.objConfigureData.get()) {
        c->setData(settings.gas);
        if (listCode)
            c->setComponentList(*listCode);
        c->setUnits(us);
    }
    lineCells(siteLineOf(LineForm::Fuel));
    if (listCode) {
        lineCells(siteLineOf(LineForm::List));
        m.strComponentList = catalogue::componentListLetter(*listCode);
    }
    for (const SiteLine& l : siteLines()) {
        if (l.form == LineForm::Length || l.form == LineForm::Inches) {
            const LengthLabel& label = lengthLabel(l.control);
            cells(l.row, 0, QString::fromLatin1(us ? label.us : label.metric));
        }
    }
    m.blnUSUnitsShown = us;
    m.blnMetricUnitsShown = !us;

    // The lists of the file's settings, then the pump frequency.
    w.RefreshComponentLists();
    if (namesFrequency) {
        lineCells(siteLineOf(LineForm::Frequency));
        w.selectFrequency(settings.fiftyHz);
    }

    // Lines 1 to 36 in line order.
    for (const SiteLine& l : siteLines()) {
        switch (l.form) {
        case LineForm::Selection: {
            lineCells(l);
            platform::ListControl& list = w.siteList(l.control);
            list.setListIndex(indexOf(list, current.TextMatrix(l.row, l.col)));
            break;
        }
        case LineForm::Count:
        case LineForm::Fitting:
            lineCells(l);
            w.setSiteText(l.control, current.TextMatrix(l.row, l.col));
            break;
        case LineForm::Length:
        case LineForm::Inches:
            w.setLengthCaption(l.control, us);
            lineCells(l);
            w.setSiteText(l.control, current.TextMatrix(l.row, l.col));
            break;
        case LineForm::Valves: {
            lineCells(l);
            const QString cell = current.TextMatrix(l.row, l.col);
            for (bool ball : {false, true})
                for (bool swing : {false, true})
                    if (cell == valvesText(ball, swing))
                        w.setValves(ball, swing);
            break;
        }
        case LineForm::Mode:
            lineCells(l);
            w.selectPipingMode(line[size_t(l.line)] == QLatin1String("True"));
            break;
        default: // the settings and the frequency are in force already
            break;
        }
    }
    w.setCurrentGridMetric(!us);

    if (m.objSiteProperties) {
        const auto texts = propertyTexts(*m.objSiteProperties);
        const auto applied = appliedProperties(*parsed);
        for (int p = 0; p < kPropertyCount; ++p)
            *texts[size_t(p)] = applied[size_t(p)];
    }
    return SiteFileRead::Applied;
}

} // namespace sitefiles
