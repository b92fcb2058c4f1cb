// The three power requests the tray menu offers (keep the display on, keep the system awake,
// away mode): one slot each, set and cleared through PowerFunctions, which the Win32 side binds
// to PowerCreateRequest, PowerSetRequest, PowerClearRequest and CloseHandle.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorbel {

// The POWER_REQUEST_TYPE values.
enum class PowerRequestType : int { Display = 0, System = 1, AwayMode = 2 };

// A power-request handle as an integer; 0 means none.
using PowerHandle = std::uintptr_t;

// ERROR_CALL_NOT_IMPLEMENTED: what a missing power function is reported as.
inline constexpr std::uint32_t kFunctionMissing = 120;

// The outcome of one call: on failure, the system's error code taken right after the call.
struct PowerCall {
    bool ok = false;
    std::uint32_t error = 0;
    static PowerCall success() { return {true, 0}; }
    static PowerCall failure(std::uint32_t error) { return {false, error}; }
};

class PowerFunctions {
public:
    virtual ~PowerFunctions() = default;
    // handle is set only on success.
    virtual PowerCall create(std::u16string_view reason, PowerHandle& handle) = 0;
    virtual PowerCall set(PowerHandle handle, PowerRequestType type) = 0;
    virtual PowerCall clear(PowerHandle handle, PowerRequestType type) = 0;
    virtual PowerCall close(PowerHandle handle) = 0;
};

// "Zorbel! user " + name + " requested this power management change."
std::u16string powerRequestReason(std::u16string_view userName);

// The slots. A slot holds a handle exactly while its request is set; handles still held when the
// object goes are closed (which ends their requests, as the end of the process would).
class PowerRequests {
public:
    explicit PowerRequests(PowerFunctions& functions) : functions_(functions) {}
    ~PowerRequests();
    PowerRequests(const PowerRequests&) = delete;
    PowerRequests& operator=(const PowerRequests&) = delete;

    bool held(PowerRequestType type) const { return slot(type) != 0; }

    // Sets the request when its slot is empty, clears it when held. On failure the returned call
    // carries the error to report; a failed set keeps no handle (the one PowerCreateRequest gave
    // is closed), a failed clear keeps the slot held so that choosing the item again retries.
    PowerCall toggle(PowerRequestType type, std::u16string_view reason);

    // The menu commands. The display command carries the system request with it: after the
    // display request was set or cleared, the system request follows when it differs. Each
    // failure is handed to report in the order it happened; a request that did change (cleared,
    // though its handle would not close) still takes the system request with it.
    template <typename Report>
    void command(PowerRequestType type, std::u16string_view reason, Report&& report) {
        const bool before = held(type);
        const PowerCall first = toggle(type, reason);
        if (!first.ok) report(first.error);
        if (held(type) == before) return;
        if (type == PowerRequestType::Display && held(PowerRequestType::Display) != held(PowerRequestType::System)) {
            const PowerCall paired = toggle(PowerRequestType::System, reason);
            if (!paired.ok) report(paired.error);
        }
    }

private:
    PowerHandle& slot(PowerRequestType type) { return slots_[static_cast<std::size_t>(type)]; }
    PowerHandle slot(PowerRequestType type) const { return slots_[static_cast<std::size_t>(type)]; }

    PowerFunctions& functions_;
    std::array<PowerHandle, 3> slots_{};
};

} // namespace zorbel
