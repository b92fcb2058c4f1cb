#include "windows/WheelHook.h"

namespace zorbel {

void WheelHook::start() {
    stop();
    active_ = true;
}

void WheelHook::stop() {
    active_ = false;
    endRequested_ = false;
    head_ = 0;
    size_ = 0;
    // A message that is already posted finds nothing to do; the next one may be posted at once.
    workPosted_ = false;
}

HookVerdict WheelHook::onMouseEvent(int code, std::uint32_t message, std::uint32_t mouseData, std::int32_t x,
                                    std::int32_t y) noexcept {
    if (code != kHookAction || !active_) return HookVerdict::PassOn;
    if (message == kMessageMiddleButtonDown) {
        // The click ends the mode and still reaches its window.
        active_ = false;
        endRequested_ = true;
        requestWork();
        return HookVerdict::PassOn;
    }
    if (message != kMessageMouseWheel) return HookVerdict::PassOn;
    const WheelDirection direction = wheelDirection(mouseData);
    if (direction == WheelDirection::None) return HookVerdict::PassOn;
    const WheelTarget target = system_.targetUnderCursor(x, y);
    // Over a tool window (and over nothing) the wheel works as usual.
    if (target.window == 0 || (target.exStyle & kWheelPassesOverExStyle) != 0) return HookVerdict::PassOn;
    queueStep(target.window, direction);
    requestWork();
    return HookVerdict::Swallow;
}

void WheelHook::queueStep(std::uintptr_t window, WheelDirection direction) noexcept {
    if (size_ > 0) {
        WheelBatch& last = batches_[(head_ + size_ - 1) % kMaxBatches];
        if (last.window == window && last.count < WheelBatch::kMaxSteps) {
            last.steps[last.count++] = direction;
            return;
        }
    }
    if (size_ == kMaxBatches) {
        // The GUI thread is far behind (windows that answer slowly): the step is lost, but the
        // event is still taken, as the user meant it for the mode.
        ++dropped_;
        return;
    }
    WheelBatch& batch = batches_[(head_ + size_) % kMaxBatches];
    batch.window = window;
    batch.count = 1;
    batch.steps[0] = direction;
    ++size_;
}

void WheelHook::requestWork() noexcept {
    if (workPosted_) return;
    workPosted_ = system_.postWork();
}

std::optional<WheelBatch> WheelHook::takeBatch() {
    if (size_ == 0) {
        // Everything posted so far is taken: the next event needs a message of its own.
        workPosted_ = false;
        return std::nullopt;
    }
    const WheelBatch batch = batches_[head_];
    head_ = (head_ + 1) % kMaxBatches;
    --size_;
    return batch;
}

bool WheelHook::takeEndRequest() {
    const bool requested = endRequested_;
    endRequested_ = false;
    return requested;
}

} // namespace zorbel
