// What the wheel-transparency mode's low-level mouse hook does with each mouse event. The hook
// must return within microseconds (the system drops a hook that overruns its time-out, without a
// word), so it only decides whether to take the event, notes the wheel step and asks the GUI
// thread to do the work later; it never sends anything to another window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "windows/Opacity.h"

namespace zorbel {

inline constexpr std::uint32_t kMessageMiddleButtonDown = 0x0207; // WM_MBUTTONDOWN
inline constexpr std::uint32_t kMessageMouseWheel = 0x020A;       // WM_MOUSEWHEEL
inline constexpr std::uint32_t kWheelPassesOverExStyle = 0x00000080; // WS_EX_TOOLWINDOW
inline constexpr int kHookAction = 0;                              // HC_ACTION

enum class HookVerdict {
    PassOn,  // call the next hook: the event reaches its window
    Swallow, // return 1: the event is consumed
};

// The top-level window under the cursor and its extended style.
struct WheelTarget {
    std::uintptr_t window = 0;
    std::uint32_t exStyle = 0;
};

// Wheel steps taken over one window, in order, waiting for the GUI thread.
struct WheelBatch {
    static constexpr std::size_t kMaxSteps = 32;
    std::uintptr_t window = 0;
    std::array<WheelDirection, kMaxSteps> steps{};
    std::size_t count = 0;

    std::span<const WheelDirection> taken() const { return {steps.data(), count}; }
};

class WheelHook {
public:
    // The two things the hook needs from the system, supplied by the Win32 side (and by fakes in
    // tests and benchmarks). Neither may send a message to another window.
    struct System {
        // The root window under the cursor; x and y are the event's own point, for systems that
        // cannot tell the physical cursor position.
        WheelTarget (*targetUnderCursor)(std::int32_t x, std::int32_t y) = nullptr;
        // Posts the "work waiting" message to the GUI thread; false when it could not be posted.
        bool (*postWork)() = nullptr;
    };
    static constexpr std::size_t kMaxBatches = 8;

    explicit WheelHook(System system) : system_(system) {}

    // Mode on: from now on wheel events over ordinary windows are taken. Drops anything queued.
    void start();
    // Mode off without a middle click (the menu, exit, region capture): drops anything queued.
    void stop();
    bool active() const { return active_; }

    // The hook procedure's decision for one event (nCode, wParam, MSLLHOOKSTRUCT fields).
    HookVerdict onMouseEvent(int code, std::uint32_t message, std::uint32_t mouseData, std::int32_t x,
                             std::int32_t y) noexcept;

    // For the GUI thread, when the posted message arrives: the oldest waiting batch, then (when
    // none is left) whether a middle click asked to end the mode. The hook may run again while
    // the GUI thread works on a batch; what it adds is taken by the same round.
    std::optional<WheelBatch> takeBatch();
    bool takeEndRequest();

    std::size_t waitingBatches() const { return size_; }
    std::size_t droppedSteps() const { return dropped_; }

private:
    void requestWork() noexcept;
    void queueStep(std::uintptr_t window, WheelDirection direction) noexcept;

    System system_;
    bool active_ = false;
    bool endRequested_ = false;
    bool workPosted_ = false;
    std::array<WheelBatch, kMaxBatches> batches_{};
    std::size_t head_ = 0;
    std::size_t size_ = 0;
    std::size_t dropped_ = 0;
};

} // namespace zorbel
