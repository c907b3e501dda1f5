// Not written yet.
#include "assetgen/output.h"

namespace assetgen {

bool GenerateFighterSheets(const Output&) {
    return true;
}

}  // namespace assetgen
