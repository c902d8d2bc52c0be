// libFuzzer target: the piping file parser on any bytes. An accepted file
// leaves every count inside its table, every diameter above 0 and every
// roughness at 0 or more, and only numbers.
#include "FuzzContract.h"

#include "catalogue/PipingFile.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace catalogue;
    const std::optional<PipingFile> file =
        parsePipingFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!file)
        return 0;
    TDR_CONTRACT(!file->materials.empty() && file->materials.size() <= size_t(kPipeMaterials));
    TDR_CONTRACT(!file->sizes.empty() && file->sizes.size() <= size_t(kPipeSizes));
    TDR_CONTRACT(file->valves.size() <= size_t(kPipeValves));
    TDR_CONTRACT(file->valvesRead || file->valves.empty());
    for (const auto& [name, roughness] : file->materials)
        TDR_CONTRACT(std::isfinite(roughness) && roughness >= 0);
    for (const auto& [name, diameter] : file->sizes)
        TDR_CONTRACT(std::isfinite(diameter) && diameter > 0);
    for (const typValve& valve : file->valves)
        for (int s = 0; s < kPipeSizes; ++s)
            TDR_CONTRACT(std::isfinite(valve.sngLength[s]));
    for (int s = 0; s < kPipeSizes; ++s)
        for (int k = 0; k < kFittingKinds; ++k)
            TDR_CONTRACT(std::isfinite(file->fittingLength[s][k]));
    return 0;
}
