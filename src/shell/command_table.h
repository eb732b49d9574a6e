#pragma once

#include "core/messages.h"
#include "shell/fixed_numbers_rules.h"

#include <string>
#include <string_view>
#include <vector>

struct Globali;

// One condition a command checks before it opens its window, with the message of its refusal.
enum class CheckKind {
    RequireForecast, // ValidateFixed plus at least `amount` forecast numbers, with their messages
    MinColumns,      // at least `amount` final columns
    UndoSnapshot,    // a snapshot of the list exists
    Selection,       // a range of the column strip is selected
};

struct CommandCheck {
    CheckKind kind = CheckKind::RequireForecast;
    int amount = 0;
    const char* message = ""; // unused by RequireForecast, which has its own three
    MessageIcon icon = MessageIcon::Warning;
};

enum class ItemKind { Command, Submenu, Separator };

// One entry of the main menu. `name` is the objectName of the menu item; `handler` is the key
// under which the window registers what the command does (items sharing a handler tell
// themselves apart by `tag`).
struct CommandItem {
    ItemKind kind = ItemKind::Command;
    const char* name = "";
    const char* caption = "";
    std::string handler;
    const char* shortcut = ""; // in the portable form "Ctrl+N"
    const char* window = "";   // class of the window it opens, when it opens one
    std::vector<CommandCheck> checks;
    bool saveQuestion = false; // asks to save a modified system before going on
    int tag = 0;
    std::vector<CommandItem> children; // items of a submenu
};

struct CommandMenu {
    const char* name;
    const char* caption;
    std::vector<CommandItem> items;
};

// A button of the tool bar runs the menu item `item` (by objectName).
struct ToolBarButton {
    int number; // 1..17, left to right
    const char* hint;
    const char* item;
};

const std::vector<CommandMenu>& CommandMenus();
const std::vector<ToolBarButton>& ToolBarButtons();

// The item with that objectName, searched through every menu and submenu; nullptr if none.
const CommandItem* FindCommandItem(std::string_view name);

// What the checks need to know that only the main window holds.
struct CommandContext {
    const FixedFieldTexts& fixedFields;
    bool hasSelection = false;
};

// Runs the item's checks in order; the first that fails shows its message and the command must
// not open. RequireForecast stores the fixed numbers when they are valid.
bool CheckCommand(const CommandItem& item, Globali& g, const CommandContext& context);
