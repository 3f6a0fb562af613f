// The main window's commands, one row each: where the command sits in the menus, its caption and
// key, its toolbar button and its panel, and the handler that every one of those sources calls.
// Menus, toolbars and the function-key bar are built from this table.
#pragma once

#include <QKeySequence>

#include <string_view>
#include <vector>

namespace trazor {

class frmMain;

enum class Toolbar { None, Main, Edit };

struct CommandRow {
    const char* menu; // menu name of the parent: "mnuFile", ... ("" for toolbar-only commands)
    const char* name; // the command's menu name, also the QAction's object name
    std::string_view caption;
    QKeySequence shortcut;
    Toolbar toolbar = Toolbar::None;
    int button = 0; // Toolbar1 index, 0 none
    const char* key = ""; // toolbar button key
    std::string_view tip; // toolbar tip
    bool checkable = false;
    void (frmMain::*handler)() = nullptr; // null: the command comes with a later piece of work
};

// Every menu of the window: name, caption, parent ("" for the menu bar).
struct MenuRow {
    const char* name;
    std::string_view caption;
    const char* parent;
};

const std::vector<MenuRow>& MenuTable();
const std::vector<CommandRow>& CommandTable();

// Separators of Toolbar1 by index.
constexpr int Toolbar1Separators[] = { 2, 7, 12, 17 };

struct PanelRow {
    const char* key;
    std::string_view text;
    std::string_view tip;
};
// sbStatusBar panels 1..9 and StatusBarF panels 1..10.
const std::vector<PanelRow>& StatusBarPanels();
const std::vector<PanelRow>& FunctionKeyPanels();

} // namespace trazor
