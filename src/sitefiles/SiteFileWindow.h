#pragma once
// What the site-file reader and writer need of the main window, which
// implements it (the tests read and write site files through the main window).

#include "SiteFile.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace platform {
class ListControl;
class TextGrid;
} // namespace platform

// The settings a site file selects: fuel, component list code and pump
// frequency; the lists below are filled for them.
struct SiteSettings {
    bool gas = true;
    uint8_t componentList = 0;
    bool fiftyHz = false;
};

class SiteFileWindow {
public:
    virtual ~SiteFileWindow() = default;

    // The summary grids, and the units the Current grid's lengths were
    // written in at its last fill.
    virtual platform::TextGrid& currentGrid() = 0;
    virtual platform::TextGrid& baselineGrid() = 0;
    virtual bool currentGridMetric() const = 0;
    virtual void setCurrentGridMetric(bool metric) = 0;

    // The selection list a line selects in (a list, the quantity, the
    // branches, the piping lists).
    virtual platform::ListControl& siteList(sitefiles::SiteControl control) = 0;
    // The entries the list of a settings-dependent control would hold under
    // the given settings, filled by the window's own list code without
    // changing the window; nothing for a list that does not depend on them.
    virtual std::optional<QStringList> listEntriesFor(sitefiles::SiteControl control, const SiteSettings& settings) = 0;
    // The pump frequency option in force.
    virtual bool opt50Hz() = 0;
    // The largest nozzle count the settings allow.
    virtual int largestNozzleCount() = 0;

    // The System Settings option buttons.
    virtual void setSettingsOptions(bool gas, std::optional<uint8_t> componentList, bool us) = 0;
    // The steps of a load, each running the handlers a user's action runs.
    virtual void RefreshComponentLists() = 0;
    virtual void selectFrequency(bool fiftyHz) = 0;
    virtual void selectPipingMode(bool basic) = 0;
    virtual void setValves(bool ball, bool swing) = 0;
    virtual void setSiteText(sitefiles::SiteControl control, const QString& text) = 0;
    // The caption of a length field's label, in the units given.
    virtual void setLengthCaption(sitefiles::SiteControl control, bool us) = 0;
};
