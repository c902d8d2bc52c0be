#pragma once
// Writing a site file from the main window and reading one back into it.

#include "SiteFileWindow.h"

#include <QString>

class Module1;
class clsSiteProperties;

namespace sitefiles {

// The ten site-property texts in their file order (lines 42 to 51), which
// is also the order of the Site Properties dialog's boxes.
std::array<QString*, kPropertyCount> propertyTexts(clsSiteProperties& p);

// Writes the site file of the Current grid, the units option and the site
// properties to strFile, replacing an existing file only by a complete new
// one. False (and why) when nothing was written: a length cell holding no
// number, or a file that cannot be written; an existing file is left as it
// was.
bool WriteSiteFile(Module1& m, SiteFileWindow& w, const QString& strFile, QString* error = nullptr);

enum class SiteFileRead {
    Applied,    // every line is in force
    CannotOpen, // the file could not be opened; nothing changed
    Refused,    // the file is no site file this program can apply; nothing changed
};

// Reads the site file strFile into the window: checks every line first
// (against the lists the file's own settings select), then applies the
// settings, the lists, the pump frequency, lines 1 to 36 and the site
// properties in the file's order. All or nothing: a file that fails any
// check changes nothing. Only the first kMaxSiteFileBytes are read.
SiteFileRead ReadSiteFile(Module1& m, SiteFileWindow& w, const QString& strFile, QString* why = nullptr);

} // namespace sitefiles
