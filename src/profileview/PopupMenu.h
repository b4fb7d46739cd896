#pragma once
#include <string>
#include <utility>
#include <vector>

namespace tarvix {

// A context menu as the core builds it; the shell shows it and reports the chosen id.
struct MenuItem {
  int id = 0;
  std::string text;  // empty with id 0: a separator
  bool enabled = true;
  bool checked = false;
  std::vector<MenuItem> submenu;

  MenuItem() = default;
  MenuItem(int itemId, std::string itemText, bool isEnabled = true, bool isChecked = false)
      : id(itemId), text(std::move(itemText)), enabled(isEnabled), checked(isChecked) {}
  MenuItem(std::string itemText, std::vector<MenuItem> items, bool isEnabled = true)
      : text(std::move(itemText)), enabled(isEnabled), submenu(std::move(items)) {}

  static MenuItem Separator() { return {}; }
  bool IsSeparator() const { return id == 0 && text.empty(); }
};

using PopupMenu = std::vector<MenuItem>;

}  // namespace tarvix
