#pragma once

// Fixed texts of Fkreg, in UTF-8. The window shows them and the tests compare against them. Where a
// message has two lines, the line break is "\n" (Qt's line break in message boxes).

#include <string_view>

namespace trazor::fkreg_texts {

constexpr std::string_view WindowCaption = "縦ファンクションキー設定";

constexpr std::string_view DesignCaption = "設  定"; // Command1 before Form_Load sets it
constexpr std::string_view RegisterCaption = "登　録";
constexpr std::string_view RemoveCaption = "削　除";
constexpr std::string_view CancelCaption = "キャンセル";

constexpr std::string_view Introduction
    = "OSP-P200の縦ファンクションキーにTrazorのショートカットを登録または削除をおこないます。";
constexpr std::string_view KeyHint
    = "OSP画面の右側面にあるこのファンクションキーを押すとTrazorのショートカットが表示されます。";
constexpr std::string_view StateRegistered = "現在すでに登録されています。";
constexpr std::string_view StateUnregistered = "現在は未登録です。";

// Start-up checks.
constexpr std::string_view ProgramMissing
    = "Trazor.exeファイルが見つかりません。\nこのソフトを同じフォルダーに入れてください。";
constexpr std::string_view PathFileMissing
    = "\\V-FKEY\\LV*.INIファイルが見つかりません。\nこのソフトはOSP-P200のみ有効です。";
constexpr std::string_view CaptionFileMissing
    = "\\JPN\\LV*.INIファイルが見つかりません。\nこのソフトはOSP-P200のみ有効です。";

// Completion.
constexpr std::string_view Registered
    = "ファンクションキーにTrazorを登録しました。\n電源を再投入してください。";
constexpr std::string_view Removed
    = "ファンクションキーからTrazorを削除しました。\n電源を再投入してください。";

// What a key shows for Trazor (the caption file's value), and the name searched for in the path file.
constexpr std::string_view KeyCaption = "トレーザー";
constexpr std::string_view ProgramName = "Trazor";

// Faults in the key files or the program folder. %1 is the file as the start-up messages write it
// ("\V-FKEY\LV01.INI"), %2 the section header, %3 the entry ("data3").
constexpr std::string_view CannotRead = "%1ファイルを読み込めません。";
constexpr std::string_view CannotWrite = "%1ファイルに書き込めません。";
constexpr std::string_view SectionMissing = "%1ファイルに%2セクションがありません。";
constexpr std::string_view EntryMissing = "%1ファイルの%2セクションに%3がありません。";
constexpr std::string_view RestoreFailed = "%1ファイルを元に戻せませんでした。";
constexpr std::string_view FolderNotCp932 = "Trazorのフォルダー名にOSPで使えない文字が含まれています。";
constexpr std::string_view NothingChanged = "ファンクションキーの設定は変更していません。";

} // namespace trazor::fkreg_texts
