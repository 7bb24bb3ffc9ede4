#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "frame/command_table.h"
#include "shell/menu.h"

namespace {

void CollectIds(const shell::MenuItem& menu, std::multiset<int>& ids) {
  for (const shell::MenuItem& item : menu.items) {
    if (item.IsPopup()) {
      CollectIds(item, ids);
    } else if (!item.separator) {
      ids.insert(item.id);
    }
  }
}

}  // namespace

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
  EXPECT_EQ(byKeys.at("Ctrl+Shift+T"), 365);
  EXPECT_EQ(byKeys.size(), 22u);
}
