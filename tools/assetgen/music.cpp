// Not written yet.
#include "assetgen/output.h"

namespace assetgen {

bool GenerateMusic(const Output&) {
    return true;
}

}  // namespace assetgen
