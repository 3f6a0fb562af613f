// Texts of the program-file commands (UTF-8). A message box shows the path, " の" and one of the
// descriptions, so each description is written to follow "<path> の".
#pragma once

#include <string_view>

namespace trazor::trazor_texts {

constexpr std::string_view PathJoiner = " の";

// Reading a program file.
constexpr std::string_view FileNotFound = "ファイルが見つかりません。";
constexpr std::string_view IsFolder = "読み込みができません。フォルダーです。ファイルを選んでください。";
constexpr std::string_view NotRegularFile
    = "読み込みができません。デバイスやパイプなど、通常のファイルではありません。";
constexpr std::string_view ReadNotPermitted = "読み取りが許可されていません。";
constexpr std::string_view CannotOpen = "ファイルを開けませんでした。";
constexpr std::string_view ReadFailedPartWay = "読み込みの途中でエラーが発生しました。";
constexpr std::string_view TooLarge = "ファイルが大きすぎるため、読み込めません。";
constexpr std::string_view OutOfMemory = "メモリーが足りないため、読み込めませんでした。";

// Saving a program file.
constexpr std::string_view SaveFolderMissing = "保存先のフォルダーが見つかりません。";
constexpr std::string_view SaveTargetIsFolder = "保存先がフォルダーです。ファイル名を指定してください。";
constexpr std::string_view FileReadOnly = "ファイルは読み取り専用のため、保存できません。";
constexpr std::string_view FolderNotWritable = "保存先のフォルダーに書き込みが許可されていません。";
constexpr std::string_view CannotSave = "ファイルを保存できませんでした。";
constexpr std::string_view WriteFailed
    = "書き込みの途中でエラーが発生したため、保存しませんでした。ディスクの空き容量を確認してください。";

// A character the file's encoding (Shift-JIS) cannot hold:
// "<path> の保存をやめました。12 行目の「€」(U+20AC) は Shift-JIS (CP932) で表せない文字です。..."
constexpr std::string_view NotSavedLead = "保存をやめました。";
constexpr std::string_view LineCharacterOpen = " 行目の「";
constexpr std::string_view CharacterClose = "」";
constexpr std::string_view NotInCp932
    = " は Shift-JIS (CP932) で表せない文字です。UTF-8 で保存するか、この文字を書き換えてください。";
// The same for U+FFFD, which stands for bytes that could not be read when the file was opened.
constexpr std::string_view UnreadableMarkLine
    = " 行目に、読み込めなかったバイトの印「\xEF\xBF\xBD」があります。";
constexpr std::string_view UnreadableMarkAdvice
    = "Shift-JIS (CP932) では書けません。UTF-8 で保存するか、この印を消してください。";

// Save As: the upper-case form of the chosen name is an existing file that the save dialog did not
// ask about. "<path> は既に存在します。上書きしますか?"
constexpr std::string_view AlreadyExistsOverwrite = " は既に存在します。上書きしますか?";

} // namespace trazor::trazor_texts
