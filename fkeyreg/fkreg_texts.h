#pragma once

// Fixed texts of Fkreg, in UTF-8. The window shows them and the tests compare against them. Where a
// message has two lines, the line break is "\n" (Qt's line break in message boxes).

#include <string_view>

namespace trazor::fkreg_texts {

constexpr std::string_view windowCaption = "縦ファンクションキー設定";

constexpr std::string_view designCaption = "設  定"; // Command1 before Form_Load sets it
constexpr std::string_view registerCaption = "登　録";
constexpr std::string_view removeCaption = "削　除";
constexpr std::string_view cancelCaption = "キャンセル";

constexpr std::string_view introduction
    = "OSP-P200の縦ファンクションキーにTrazorのショートカットを登録または削除をおこないます。";
constexpr std::string_view keyHint
    = "OSP画面の右側面にあるこのファンクションキーを押すとTrazorのショートカットが表示されます。";
constexpr std::string_view stateRegistered = "現在すでに登録されています。";
constexpr std::string_view stateUnregistered = "現在は未登録です。";

// Start-up checks.
constexpr std::string_view programMissing
    = "Trazor.exeファイルが見つかりません。\nこのソフトを同じフォルダーに入れてください。";
constexpr std::string_view pathFileMissing
    = "\\V-FKEY\\LV*.INIファイルが見つかりません。\nこのソフトはOSP-P200のみ有効です。";
constexpr std::string_view captionFileMissing
    = "\\JPN\\LV*.INIファイルが見つかりません。\nこのソフトはOSP-P200のみ有効です。";

// Completion.
constexpr std::string_view registered = "ファンクションキーにTrazorを登録しました。\n電源を再投入してください。";
constexpr std::string_view removed = "ファンクションキーからTrazorを削除しました。\n電源を再投入してください。";

// What a key shows for Trazor (the caption file's value), and the name searched for in the path file.
constexpr std::string_view keyCaption = "トレーザー";
constexpr std::string_view programName = "Trazor";

// Faults in the key files or the program folder. %1 is the file as the start-up messages write it
// ("\V-FKEY\LV01.INI"), %2 the section header, %3 the entry ("data3").
constexpr std::string_view cannotRead = "%1ファイルを読み込めません。";
constexpr std::string_view cannotWrite = "%1ファイルに書き込めません。";
constexpr std::string_view sectionMissing = "%1ファイルに%2セクションがありません。";
constexpr std::string_view entryMissing = "%1ファイルの%2セクションに%3がありません。";
constexpr std::string_view restoreFailed = "%1ファイルを元に戻せませんでした。";
constexpr std::string_view folderNotCp932 = "Trazorのフォルダー名にOSPで使えない文字が含まれています。";
constexpr std::string_view nothingChanged = "ファンクションキーの設定は変更していません。";

} // namespace trazor::fkreg_texts
