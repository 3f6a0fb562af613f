// Where the commands sit on the operator panel of the main window: the button on the main toolbar
// `Toolbar1` and the panel on the function-key bar `StatusBarF`. Run control shows its key-press
// feedback there; the window's command table places its buttons and panels by the same numbers.
#pragma once

namespace trazor {

// 1-based indices as the window numbers them; 0 where a command has no button or no panel.
struct CommandPlace {
    int button; // Toolbar1
    int panel; // StatusBarF
};

namespace place {

    // Panel 1 of both bars is the message area. Toolbar1 buttons 2, 7, 12 and 17 are separators.
    constexpr int MessagePanel = 1;

    // The item keys of the toolbar and the function-key bar are given where they differ from the
    // constant's name.
    constexpr CommandPlace Open { 1, 0 };
    constexpr CommandPlace Start { 3, 2 };
    constexpr CommandPlace Stop { 4, 3 };
    constexpr CommandPlace Reset { 5, 4 };
    constexpr CommandPlace Restart { 6, 5 };
    constexpr CommandPlace SingleBlock { 8, 6 };
    constexpr CommandPlace BlockDelete { 9, 7 };
    constexpr CommandPlace OptionalStop { 10, 8 };
    constexpr CommandPlace ClearPerTool { 11, 9 }; // "T_Clear"
    constexpr CommandPlace Clear { 13, 10 };
    constexpr CommandPlace Zoom { 14, 0 };
    constexpr CommandPlace ZoomUndo { 15, 0 };
    constexpr CommandPlace Standard { 16, 0 }; // "Standerd"
    constexpr CommandPlace BTurretUpper { 18, 0 }; // "mnuBturretuper"
    constexpr CommandPlace BackColourChange { 19, 0 }; // "BackColorChange"
    constexpr CommandPlace RapidArrow { 20, 0 }; // "Yajirusi"
    constexpr CommandPlace ToolNumberDisplay { 21, 0 }; // "TDisplay"
    constexpr CommandPlace PositionDisplay { 22, 0 }; // "PosDisplay"
    constexpr CommandPlace ColourPerTool { 23, 0 }; // "ColorChange"
    constexpr CommandPlace ImageCopy { 24, 0 };
    constexpr CommandPlace DrawPrint { 25, 0 };

} // namespace place

} // namespace trazor
