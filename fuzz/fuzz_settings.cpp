// libFuzzer target: the settings file parser on any bytes. An accepted file
// holds a branch count of 1 to 254, and the lines the program writes back
// parse to the same settings.
#include "FuzzContract.h"

#include "mainwindow/SettingsFile.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace mainwindow;
    const std::optional<SettingsFile> s =
        parseSettingsFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!s)
        return 0;
    TDR_CONTRACT(s->maxBranches >= 1 && s->maxBranches <= 254);
    const std::optional<SettingsFile> back = parseSettingsFile(fuzzcontract::fileBytes(settingsLines(*s)));
    TDR_CONTRACT(back && back->maxNozzles == s->maxNozzles && back->maxBranches == s->maxBranches && back->gas == s->gas
                 && back->us == s->us && back->componentList == s->componentList && back->lines[0] == s->lines[0]
                 && back->lines[1] == s->lines[1]);
    return 0;
}
