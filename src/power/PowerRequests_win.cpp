#include "power/PowerRequests_win.h"

#include <windows.h>

#include <lmcons.h>

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"

namespace zorbel {
namespace {

HANDLE toHandle(PowerHandle handle) { return reinterpret_cast<HANDLE>(handle); }

PowerCall lastCall(BOOL result) {
    // Read at once: nothing may run between the call and GetLastError.
    return result ? PowerCall::success() : PowerCall::failure(GetLastError());
}

// PowerCreateRequest, PowerSetRequest and PowerClearRequest come from the bound-function table;
// a missing one fails as "not supported".
class BoundPowerFunctions : public PowerFunctions {
public:
    PowerCall create(std::u16string_view reason, PowerHandle& handle) override {
        const auto powerCreateRequest = bound().PowerCreateRequest;
        if (!powerCreateRequest) return PowerCall::failure(kFunctionMissing);
        std::u16string text(reason);
        REASON_CONTEXT context{};
        context.Version = POWER_REQUEST_CONTEXT_VERSION;
        context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
        context.Reason.SimpleReasonString = reinterpret_cast<LPWSTR>(text.data());
        SetLastError(0);
        HANDLE created = powerCreateRequest(&context);
        if (created == INVALID_HANDLE_VALUE || created == nullptr) return PowerCall::failure(GetLastError());
        handle = reinterpret_cast<PowerHandle>(created);
        return PowerCall::success();
    }
    PowerCall set(PowerHandle handle, PowerRequestType type) override {
        const auto powerSetRequest = bound().PowerSetRequest;
        if (!powerSetRequest) return PowerCall::failure(kFunctionMissing);
        SetLastError(0);
        return lastCall(powerSetRequest(toHandle(handle), static_cast<POWER_REQUEST_TYPE>(type)));
    }
    PowerCall clear(PowerHandle handle, PowerRequestType type) override {
        const auto powerClearRequest = bound().PowerClearRequest;
        if (!powerClearRequest) return PowerCall::failure(kFunctionMissing);
        SetLastError(0);
        return lastCall(powerClearRequest(toHandle(handle), static_cast<POWER_REQUEST_TYPE>(type)));
    }
    PowerCall close(PowerHandle handle) override {
        SetLastError(0);
        return lastCall(CloseHandle(toHandle(handle)));
    }
};

PowerRequests& requests() {
    static BoundPowerFunctions functions;
    static PowerRequests slots(functions);
    return slots;
}

std::u16string userName() {
    wchar_t name[UNLEN + 1]{};
    DWORD size = UNLEN + 1; // in characters, the terminating zero included
    if (!GetUserNameW(name, &size)) return {};
    return fromWide(name);
}

} // namespace

bool powerRequestHeld(PowerRequestType type) { return requests().held(type); }

void runPowerCommand(PowerRequestType type) {
    requests().command(type, powerRequestReason(userName()), [](std::uint32_t error) { core::reportSystemError(error); });
    core::requestMenuRebuild();
}

} // namespace zorbel
