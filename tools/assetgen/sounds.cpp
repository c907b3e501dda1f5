// Not written yet: the resource table is empty.
#include "assetgen/output.h"

namespace assetgen {

bool GenerateSounds(const Output& out) {
    return WriteFile(out.generatedDir + "/wave_resources.cpp",
                     std::string("#include \"audio/wave_resources.h\"\n"
                                 "namespace audio {\n"
                                 "std::span<const WaveResource> BuiltInWaveResources() {\n"
                                 "    return {};\n"
                                 "}\n"
                                 "}  // namespace audio\n"));
}

}  // namespace assetgen
