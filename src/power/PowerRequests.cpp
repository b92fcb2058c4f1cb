#include "power/PowerRequests.h"

namespace zorbel {

std::u16string powerRequestReason(std::u16string_view userName) {
    std::u16string reason = u"Zorbel! user ";
    reason += userName;
    reason += u" requested this power management change.";
    return reason;
}

PowerRequests::~PowerRequests() {
    for (PowerHandle& handle : slots_) {
        if (handle != 0) (void)functions_.close(handle);
        handle = 0;
    }
}

PowerCall PowerRequests::toggle(PowerRequestType type, std::u16string_view reason) {
    PowerHandle& held = slot(type);
    if (held != 0) {
        const PowerCall cleared = functions_.clear(held, type);
        if (!cleared.ok) return cleared;
        // The request is over once it is cleared, whatever closing its handle says: a slot that
        // stayed held would show a check mark for a request that no longer keeps anything awake.
        const PowerCall closed = functions_.close(held);
        held = 0;
        return closed;
    }
    PowerHandle created = 0;
    const PowerCall made = functions_.create(reason, created);
    if (!made.ok) return made;
    const PowerCall set = functions_.set(created, type);
    if (!set.ok) {
        // The request object is of no use unset; its error is the one to report, not the close's.
        (void)functions_.close(created);
        return set;
    }
    held = created;
    return set;
}

} // namespace zorbel
