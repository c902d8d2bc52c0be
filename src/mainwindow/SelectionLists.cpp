// The eight selection lists: filled from the catalogue tables for the
// settings in force, record by record through the list filters.
#include "frmMain.h"

#include "catalogue/ListFilters.h"

#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"

#include <QRadioButton>
#include <QScopeGuard>

namespace {

using Filter = void (*)(Module1&);

// One list of the window with its table and its two filters.
struct ListSource {
    platform::ComboBox* combo;
    std::function<int()> last;        // the table's last index
    std::function<QString(int)> name; // the listed text of a record
    Filter gas;                       // gas (pumps: 50 Hz)
    Filter diesel;                    // diesel (pumps: 60 Hz)
};

template <class T>
std::function<QString(int)> names(const std::vector<T>& table)
{
    return [&table](int i) { return i >= 0 && i < int(table.size()) ? table[i].strName : QString(); };
}

// Clears the list, adds "None" for a component list, then every record the
// filter admits, its item datum the record's index. A table of one record
// lists that record too. Selects the first entry when there is one.
void fillList(Module1& m, platform::ListControl& list, const ListSource& src, const std::function<Filter()>& filter,
              bool withNone)
{
    list.clear();
    if (withNone)
        list.addItem(QStringLiteral("None"));
    const int last = src.last();
    for (int r = 0; r <= last; ++r) {
        m.intRecord = int16_t(r);
        filter()(m);
        if (catalogue::ListingTestPasses(m)) {
            list.addItem(src.name(r));
            list.setItemData(list.listCount() - 1, r);
        }
    }
    if (list.listCount() > 0)
        list.setListIndex(0);
}

} // namespace

// The pump list and the seven component lists, in fill order.
static std::vector<ListSource> sources(Module1& m, frmMain::Controls& c)
{
    return {
        {c.cmbPumps, [&m] { return int(m.intPumpMax); }, names(m.udtPumps), catalogue::GetListLettersPump50Hz,
         catalogue::GetListLettersPump60Hz},
        {c.cmbDispenser, [&m] { return int(m.intDispMax); }, names(m.udtDispensers), catalogue::GetListLettersDispGas,
         catalogue::GetListLettersDispDiesel},
        {c.cmbDispOthers, [&m] { return int(m.intDispOthersMax); }, names(m.udtDispOthers),
         catalogue::GetListLettersDispOthersGas, catalogue::GetListLettersDispOthersDiesel},
        {c.cmbNozzle, [&m] { return int(m.intNozzleMax); }, names(m.udtNozzles), catalogue::GetListLettersNozzleGas,
         catalogue::GetListLettersNozzleDiesel},
        {c.cmbHoseSize, [&m] { return int(m.intHoseMax); }, names(m.udtHoses), catalogue::GetListLettersHoseGas,
         catalogue::GetListLettersHoseDiesel},
        {c.cmbLeak, [&m] { return int(m.intLeakDetectorMax); }, names(m.udtLeakDetectors),
         catalogue::GetListLettersLeakDetectorGas, catalogue::GetListLettersLeakDetectorDiesel},
        {c.cmbBreakAway, [&m] { return int(m.intBreakawayMax); }, names(m.udtBreakaways),
         catalogue::GetListLettersBreakawayGas, catalogue::GetListLettersBreakawayDiesel},
        {c.cmbPumpOthers, [&m] { return int(m.intPumpOthersMax); }, names(m.udtPumpOthers),
         catalogue::GetListLettersPumpOthersGas, catalogue::GetListLettersPumpOthersDiesel},
    };
}

// The pump list of one frequency; "None" alone when no pump qualifies.
static void fillPumps(Module1& m, const ListSource& pumps, bool fiftyHz, platform::ListControl& list)
{
    fillList(m, list, pumps, [&] { return fiftyHz ? pumps.gas : pumps.diesel; }, false);
    if (list.listIndex() < 0) {
        list.addItem(QStringLiteral("None"));
        list.setListIndex(0);
    }
}

void frmMain::opt50Hz_Click()
{
    if (!ctl.opt50Hz->isChecked())
        return;
    fillPumps(m, sources(m, ctl)[0], true, ctl.cmbPumps->list());
}

void frmMain::opt60Hz_Click()
{
    if (!ctl.opt60Hz->isChecked())
        return;
    fillPumps(m, sources(m, ctl)[0], false, ctl.cmbPumps->list());
}

void frmMain::RefreshComponentLists()
{
    const std::vector<ListSource> all = sources(m, ctl);
    if (ctl.opt50Hz->isChecked())
        fillPumps(m, all[0], true, all[0].combo->list());
    if (ctl.opt60Hz->isChecked())
        fillPumps(m, all[0], false, all[0].combo->list());
    if (m_settings.optGas())
        for (size_t i = 1; i < all.size(); ++i)
            fillList(m, all[i].combo->list(), all[i], [&, i] { return all[i].gas; }, true);
    if (m_settings.optDiesel())
        for (size_t i = 1; i < all.size(); ++i)
            fillList(m, all[i].combo->list(), all[i], [&, i] { return all[i].diesel; }, true);
}

void frmMain::InitialFill()
{
    const std::vector<ListSource> all = sources(m, ctl);
    if (ctl.opt60Hz->isChecked())
        fillPumps(m, all[0], false, all[0].combo->list());
    for (size_t i = 1; i < all.size(); ++i) {
        // The filter is chosen anew for each record, by the settings object.
        fillList(
            m, all[i].combo->list(), all[i],
            [&, i] { return m.objConfigureData && m.objConfigureData->Data() ? all[i].gas : all[i].diesel; }, true);
    }
    for (platform::ComboBox* c :
         {ctl.cmbDispenser, ctl.cmbDispOthers, ctl.cmbNozzle, ctl.cmbLeak, ctl.cmbBreakAway, ctl.cmbPumpOthers})
        if (c->list().listCount() > 1)
            c->list().setListIndex(1);
}

std::optional<QStringList> frmMain::listEntriesFor(sitefiles::SiteControl control, const SiteSettings& settings)
{
    const std::vector<ListSource> all = sources(m, ctl);
    const platform::ListControl* wanted = &siteList(control);
    size_t i = 0;
    while (i < all.size() && &all[i].combo->list() != wanted)
        ++i;
    if (i == all.size())
        return std::nullopt;

    // The filters read the component list from the settings buttons and leave
    // their letters in the store: lend them the given settings, fill a list
    // of no window, and put everything back on every way out (a fill that
    // throws must not leave the store pointing at these buttons).
    PlainSettingsButtons buttons;
    buttons.gas = settings.gas;
    buttons.componentList = settings.componentList;
    const auto putBack = qScopeGuard([&store = m, inForce = m.frmData, record = m.intRecord,
                                      chosen = m.strComponentList, a = m.strListA, b = m.strListI, c = m.strListC] {
        store.frmData = inForce;
        store.intRecord = record;
        store.strComponentList = chosen;
        store.strListA = a;
        store.strListI = b;
        store.strListC = c;
    });
    m.frmData = &buttons;
    platform::PlainList list;
    if (i == 0)
        fillPumps(m, all[0], settings.fiftyHz, list);
    else
        fillList(m, list, all[i], [&] { return settings.gas ? all[i].gas : all[i].diesel; }, true);

    QStringList entries;
    for (int k = 0; k < list.listCount(); ++k)
        entries << list.list(k);
    return entries;
}
