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
