#include "capture/RegionCaptureHotkey.h"

namespace zorbel {

void toggleRegionCaptureFromHotkey() {}

} // namespace zorbel
