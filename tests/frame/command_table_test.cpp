#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "frame/command_table.h"
#include "shell/menu.h"

namespace {

constexpr TdvMenuKind kAllKinds[] = {kMenuInit, kMenuMoov, kMenuTable, kMenuDataObject, kMenuGraph};

void CollectIds(const shell::MenuItem& menu, std::multiset<int>& ids) {
  for (const shell::MenuItem& item : menu.items) {
    if (item.IsPopup()) {
      CollectIds(item, ids);
    } else if (!item.separator) {
      ids.insert(item.id);
    }
  }
}

const shell::MenuItem* Item(shell::MenuItem& bar, int id) {
  return FindMenuItem(bar, id);
}

}  // namespace

// The window list goes into the "Window" menu, which stands at a different
// place on each bar.
TEST(MenuBars, WindowMenuStandsWhereTheWindowListIsExpected) {
  const std::map<TdvMenuKind, int> expected = {
      {kMenuInit, 1}, {kMenuMoov, 5}, {kMenuTable, 2}, {kMenuDataObject, 4}, {kMenuGraph, 3}};
  for (auto [kind, index] : expected) {
    shell::MenuItem bar = BuildMenuBar(kind, true);
    ASSERT_EQ(WindowMenuIndex(kind), index) << kind;
    EXPECT_EQ(bar.items.at(static_cast<std::size_t>(index)).text, "&Window") << kind;
    ASSERT_NE(Item(bar, 254), nullptr);
  }
}

TEST(MenuBars, EachBarShowsExactlyItsCommandsOnce) {
  for (TdvMenuKind kind : kAllKinds) {
    std::multiset<int> ids;
    CollectIds(BuildMenuBar(kind, true), ids);
    for (const TdvCommandEntry& entry : CommandTable()) {
      const bool shown = (entry.menus & MenuBit(kind)) != 0;
      EXPECT_EQ(ids.count(entry.id), shown ? 1u : 0u) << "command " << entry.id << " bar " << kind;
    }
    EXPECT_EQ(ids.size(), std::set<int>(ids.begin(), ids.end()).size());
  }
  shell::MenuItem init = BuildMenuBar(kMenuInit, true);
  EXPECT_EQ(Item(init, 451), nullptr);
  EXPECT_EQ(Item(init, 701), nullptr);
  shell::MenuItem table = BuildMenuBar(kMenuTable, true);
  EXPECT_EQ(Item(table, 351), nullptr);
  EXPECT_EQ(Item(table, 301), nullptr);
  EXPECT_NE(Item(table, 704), nullptr);
  shell::MenuItem graph = BuildMenuBar(kMenuGraph, true);
  EXPECT_NE(Item(graph, 557), nullptr);
  shell::MenuItem movie = BuildMenuBar(kMenuMoov, true);
  EXPECT_EQ(Item(movie, 557), nullptr);
}

TEST(MenuBars, WithoutADocumentOnlyTheApplicationsCommandsCanBeChosen) {
  shell::MenuItem init = BuildMenuBar(kMenuInit, true);
  for (int id : {154, 156, 157, 158, 160, 161, 251, 252, 253, 254}) {
    EXPECT_FALSE(Item(init, id)->enabled) << id;
  }
  for (int id : {151, 153, 163, 751, 752, 753}) {
    EXPECT_TRUE(Item(init, id)->enabled) << id;
  }
  shell::MenuItem movie = BuildMenuBar(kMenuMoov, true);
  for (int id : {154, 156, 157, 158, 161, 251, 252, 253, 254, 464}) {
    EXPECT_TRUE(Item(movie, id)->enabled) << id;
  }
  EXPECT_FALSE(Item(movie, 160)->enabled);
  shell::MenuItem graph = BuildMenuBar(kMenuGraph, true);
  EXPECT_FALSE(Item(graph, 464)->enabled);
  EXPECT_FALSE(Item(graph, 160)->enabled);
}

TEST(MenuBars, OpenMovieIsAvailableEverywhere) {
  for (TdvMenuKind kind : kAllKinds) {
    shell::MenuItem bar = BuildMenuBar(kind, true);
    EXPECT_TRUE(Item(bar, 152)->enabled) << kind;
  }
}

TEST(MenuBars, ToggleCommandsStartTickedAsTheProgramStarts) {
  shell::MenuItem movie = BuildMenuBar(kMenuMoov, true);
  shell::MenuItem document = BuildMenuBar(kMenuDataObject, false);
  for (int id : {352, 353, 312, 313, 314, 364}) {
    EXPECT_TRUE(Item(movie, id)->checked) << id;
  }
  EXPECT_FALSE(Item(movie, 351)->checked);
  EXPECT_TRUE(Item(document, 352)->checked);
  EXPECT_TRUE(Item(document, 353)->checked);
  EXPECT_FALSE(Item(document, 364)->checked) << "Live Updates follows the program's switch";
  EXPECT_FALSE(Item(document, 351)->checked);
}

TEST(MenuBars, AcceleratorsMatchTheShortcutsTheMenusShow) {
  std::map<std::string, int> byKeys;
  for (const shell::Accelerator& key : Accelerators()) {
    EXPECT_TRUE(byKeys.emplace(key.keys, key.command).second) << key.keys << " used twice";
    const TdvCommandEntry* entry = FindCommand(key.command);
    ASSERT_NE(entry, nullptr);
    const std::string text = entry->text;
    const std::string shown = text.substr(text.find('\t') + 1);
    std::string written = key.keys;
    if (shown.rfind("Ctl+", 0) == 0) {
      written.replace(0, 5, "Ctl+");
    }
    EXPECT_EQ(shown, written) << key.command;
  }
  EXPECT_EQ(byKeys.at("F1"), 752);
  EXPECT_EQ(byKeys.at("Shift+F4"), 251);
  EXPECT_EQ(byKeys.at("Ctrl+C"), 462);
  EXPECT_EQ(byKeys.at("F8"), 310);
  EXPECT_EQ(byKeys.at("Ctrl+O"), 152);
  EXPECT_EQ(byKeys.size(), 21u);
}
