// Fixed texts of the soft-limit, unit and version dialogs (UTF-8). The dialogs show them and the
// tests compare against them.
#pragma once

#include <string_view>

namespace trazor::trazor_texts {

// SoftLimit. Its OK button is spelt with two blanks between the letters.
constexpr std::string_view SoftLimitCaption = "ソフトリミット";
constexpr std::string_view PlusLimitGroup = "プラス ソフトリミット";
constexpr std::string_view MinusLimitGroup = "マイナス ソフトリミット";
constexpr std::string_view AxisX = "X";
constexpr std::string_view AxisZ = "Z";
constexpr std::string_view SoftLimitOk = "O  K";

// UnitSet. Its OK button is in full-width letters with an ideographic space between them.
constexpr std::string_view UnitSetCaption = "設定単位";
constexpr std::string_view UnitFrame = "単位";
// Option1 to Option4, the units 1 to 4.
constexpr std::string_view UnitOptions[] = { "1mm", "0.01mm", "0.001mm", "1inch" };
constexpr std::string_view UnitSetOk = "Ｏ　Ｋ";

constexpr std::string_view Cancel = "キャンセル";

// frmAbout. The caption starts in half-width katakana.
constexpr std::string_view AboutCaption = "ﾊﾞｰｼﾞｮﾝ情報 Trazor";
constexpr std::string_view ProgramTitle = "Trazor";
constexpr std::string_view VersionPrefix = "Ver. ";
constexpr std::string_view AboutOk = "OK";

} // namespace trazor::trazor_texts

namespace trazor::trazor_texts {

// frmFind.
constexpr std::string_view FindCaption = "検索";
constexpr std::string_view FindLabel = "検索文字列        :";
constexpr std::string_view FindFromTop = "先頭から検索";
constexpr std::string_view FindNext = "次を検索";
constexpr std::string_view FindCancel = "ｷｬﾝｾﾙ";

// frmReplace. The replace button has an ideographic space between its two characters.
constexpr std::string_view ReplaceCaption = "文字列の置き換え";
constexpr std::string_view ReplaceFindLabel = "検索文字列";
constexpr std::string_view ReplaceWithLabel = "置き換え文字列";
constexpr std::string_view ReplaceFromTop = "先頭から開始";
constexpr std::string_view ReplaceSkip = "スキップ";
constexpr std::string_view ReplaceChange = "変　更";
constexpr std::string_view ReplaceAllChange = "全て変更";
constexpr std::string_view ReplaceClose = "閉じる";
constexpr std::string_view ReplaceTitle = "置き換え";

// End-of-search messages: count + text, or a double quote, the search text, a double quote and
// the not-found text. The dialog texts start with a blank, the menu command's do not, and the
// replace button's count text has an ideographic space.
constexpr std::string_view FoundCount = " 回 見つかりました。";
constexpr std::string_view NotFound = " は見つかりませんでした。";
constexpr std::string_view MenuFoundCount = "回 見つかりました。";
constexpr std::string_view MenuNotFound = "は見つかりませんでした。";
constexpr std::string_view ReplacedCount = " 回 変更しました。";
constexpr std::string_view ChangedCount = " 回　変更しました。";
constexpr std::string_view ReplaceNotFound = " 見つかりませんでした。";

} // namespace trazor::trazor_texts
