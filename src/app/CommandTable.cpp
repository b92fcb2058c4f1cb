#include "app/CommandTable.h"

#include <algorithm>
#include <utility>

namespace zorbel {

CommandTable::CommandTable() : entries_(1) {}

MenuEntry* CommandTable::find(std::size_t identifier) {
    if (identifier == 0 || identifier >= entries_.size()) {
        return nullptr;
    }
    return &entries_[identifier];
}

const MenuEntry* CommandTable::find(std::size_t identifier) const {
    return const_cast<CommandTable*>(this)->find(identifier);
}

CommandTable::Header CommandTable::placeHeader(std::size_t index, std::uintptr_t window,
                                               std::uintptr_t coreWindow) {
    index = std::max<std::size_t>(index, 1); // entry 0 never stands for anything
    if (index < entries_.size()) {
        // Only header entries count: item entries carry their window's handle too, and taking
        // one of those would lose the cached title and icons.
        if (window != 0) {
            for (std::size_t i = 1; i < entries_.size(); ++i) {
                const MenuEntry& e = entries_[i];
                if (e.window == window && e.command == MenuCommand::None) {
                    if (i != index) {
                        std::swap(entries_[i], entries_[index]);
                    }
                    return {index, false};
                }
            }
        }
        // The displaced entry goes to the end, where a later window of this rebuild can still
        // find it.
        entries_.emplace_back();
        std::swap(entries_[index], entries_.back());
    } else {
        entries_.resize(index + 1);
    }
    MenuEntry& fresh = entries_[index];
    fresh.window = window;
    fresh.coreWindow = coreWindow;
    return {index, true};
}

MenuEntry& CommandTable::store(std::size_t identifier, MenuEntry entry) {
    identifier = std::max<std::size_t>(identifier, 1);
    if (identifier >= entries_.size()) {
        entries_.resize(identifier + 1);
    }
    entries_[identifier] = std::move(entry);
    return entries_[identifier];
}

void CommandTable::truncate(std::size_t counter) {
    entries_.resize(std::min(entries_.size(), counter));
    entries_.resize(counter + 1);
}

} // namespace zorbel
