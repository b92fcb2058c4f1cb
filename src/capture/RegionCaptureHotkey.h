// The capture hotkey's entry into the region capture overlay.
#pragma once

namespace zorbel {

// Cancels the region capture when its overlay is open, otherwise starts one (and the magnifier
// with it). The overlay is not part of this build yet: until it is, the capture hotkey is
// registered and recognised and this does nothing.
void toggleRegionCaptureFromHotkey();

} // namespace zorbel
