#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace zorbel {
namespace {

struct CountingIcons : WindowIcons {
    explicit CountingIcons(int& destroyed) : destroyed(destroyed) {}
    ~CountingIcons() override { ++destroyed; }
    int& destroyed;
};

MenuEntry itemEntry(MenuCommand command, std::uintptr_t window) {
    MenuEntry e;
    e.command = command;
    e.window = window;
    return e;
}

TEST(CommandTable, LookupIsSafeForAnyIdentifier) {
    CommandTable table;
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.find(1), nullptr);
    table.store(3, itemEntry(MenuCommand::Exit, 0));
    EXPECT_EQ(table.size(), 4u);
    ASSERT_NE(table.find(3), nullptr);
    EXPECT_EQ(table.find(3)->command, MenuCommand::Exit);
    ASSERT_NE(table.find(2), nullptr); // filled in as an empty entry
    EXPECT_EQ(table.find(2)->command, MenuCommand::None);
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.find(4), nullptr);
    EXPECT_EQ(table.find(0xFFFF), nullptr);
    EXPECT_EQ(table.find(std::numeric_limits<std::size_t>::max()), nullptr);
}

TEST(CommandTable, ItemEntriesAreNotMistakenForHeaders) {
    CommandTable table;
    table.store(1, itemEntry(MenuCommand::EnableTopMost, 0xA0));
    table.store(2, itemEntry(MenuCommand::MoveToTop, 0xA0));
    const auto header = table.placeHeader(2, 0xA0, 0);
    EXPECT_TRUE(header.isNew);
    EXPECT_EQ(table.find(2)->command, MenuCommand::None);
    EXPECT_EQ(table.find(1)->command, MenuCommand::EnableTopMost);
}

TEST(CommandTable, TruncateDropsEntriesFromTheCounterWithTheirIcons) {
    int destroyed = 0;
    CommandTable table;
    for (std::size_t i = 1; i <= 5; ++i) {
        table.placeHeader(i, 0x100 + i, 0);
        table.find(i)->icons = std::make_unique<CountingIcons>(destroyed);
    }
    table.truncate(3);
    EXPECT_EQ(destroyed, 3); // entries 3, 4 and 5
    EXPECT_EQ(table.size(), 4u);
    ASSERT_NE(table.find(3), nullptr);
    EXPECT_EQ(table.find(3)->window, 0u);
    EXPECT_EQ(table.find(2)->window, 0x102u);
    EXPECT_EQ(table.find(4), nullptr);

    table.truncate(0);
    EXPECT_EQ(destroyed, 5);
    EXPECT_EQ(table.size(), 1u);

    table.truncate(2); // counter past the end: the table grows to counter + 1
    EXPECT_EQ(table.size(), 3u);
}

} // namespace
} // namespace zorbel
