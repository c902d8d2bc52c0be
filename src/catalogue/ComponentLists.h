#pragma once
// The three component lists by the code clsConfigureData::ComponentList
// holds: the letter the settings file and the records' list codes use, and
// the name the System Settings buttons and the summary grids show.

#include <QString>
#include <cstdint>
#include <optional>

inline constexpr int kComponentListCount = 3; // codes 0 to 2

namespace catalogue {

namespace componentlists_detail {
struct Entry {
    const char* letter;
    const char* name;
};
inline constexpr Entry kEntries[kComponentListCount] = {
    {"A", "American"},
    {"I", "International"},
    {"C", "Commercial"},
};
} // namespace componentlists_detail

// "A", "I" or "C" for 0, 1 or 2; empty for any other code.
inline QString componentListLetter(int code)
{
    if (code < 0 || code >= kComponentListCount)
        return {};
    return QString::fromLatin1(componentlists_detail::kEntries[code].letter);
}

// "American", "International" or "Commercial" for 0, 1 or 2; empty for any other code.
inline QString componentListName(int code)
{
    if (code < 0 || code >= kComponentListCount)
        return {};
    return QString::fromLatin1(componentlists_detail::kEntries[code].name);
}

// The code of the letter "A", "I" or "C", letter case included; none for any other text.
inline std::optional<uint8_t> componentListCode(const QString& letter)
{
    for (int code = 0; code < kComponentListCount; ++code)
        if (letter == QLatin1String(componentlists_detail::kEntries[code].letter))
            return uint8_t(code);
    return std::nullopt;
}

} // namespace catalogue
