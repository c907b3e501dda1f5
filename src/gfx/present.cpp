// Display lifetime. The frame buffer and its presentation are not written yet.
#include "gfx/display.h"

namespace gfx {

void ReleaseDisplay(Display& /*display*/) {}

}  // namespace gfx
