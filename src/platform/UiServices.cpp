#include "UiServices.h"
#include "QtUiServices.h"

#include <memory>

namespace platform {

namespace {
UiServices* g_installed = nullptr;
}

UiServices& ui()
{
    if (g_installed)
        return *g_installed;
    static std::unique_ptr<QtUiServices> standard = std::make_unique<QtUiServices>();
    return *standard;
}

void installUi(UiServices* services) { g_installed = services; }

void endProgram(int code) { throw ProgramEnd(code); }

} // namespace platform
