#pragma once
// The site file: one site configuration in 52 lines of Latin-1 text, each
// ended by CR LF. Built from the Current summary grid's rows 1 to 35, the
// units flag and the ten site-property texts; read back by line position.

#include <QString>

namespace sitefiles {

inline constexpr int kSiteFileLines = 52;

} // namespace sitefiles
