// Not written yet.
#include "assetgen/output.h"

namespace assetgen {

bool GenerateScreenSheets(const Output&) {
    return true;
}

}  // namespace assetgen
