// The fixed texts that a run writes to the message panels. Tests compare against these same
// constants.
#pragma once

#include <string_view>

namespace trazor::trazor_texts {

// Scanner
constexpr std::string_view NoDecimalPoint = " に小数点がありません"; // after the letter and value
constexpr std::string_view FullWidthSpace = "エラー 上の行に全角スペースがあります。";
constexpr std::string_view FullWidthOpenStatus = "エラー 上の行に全角の（ があります。";
constexpr std::string_view FullWidthOpenFkey = "エラー 上の行に全角（ があります。";
constexpr std::string_view FullWidthCloseStatus = "エラー 上の行に全角の） があります。";
constexpr std::string_view FullWidthCloseFkey = "エラー 上の行に全角） があります。";
constexpr std::string_view BlockTooLong = "エラー ブロックが長すぎます（32767文字まで）。";

// Soft limits
constexpr std::string_view XMinusLimit = "X軸マイナス リミット オーバー";
constexpr std::string_view ZMinusLimit = "Z軸マイナス リミット オーバー";
constexpr std::string_view XPlusLimit = "X軸プラス リミット オーバー";
constexpr std::string_view ZPlusLimit = "Z軸プラス リミット オーバー";

// Motion and time
constexpr std::string_view SpindleZero = "回転数が０です。";
constexpr std::string_view NoMaxSpindle = "最高回転数(G50)が未設定です。";
constexpr std::string_view FeedZero = "送りが０です。";
constexpr std::string_view CalculationError = "計算エラー発生";
constexpr std::string_view DOrHZero = "D又Hが０です。";

// Run control
constexpr std::string_view OptionalStop = "オプショナル ストップ";
constexpr std::string_view ProgramStop = "プログラムス トップ";
constexpr std::string_view ProgramEnd = "プログラム エンド";

} // namespace trazor::trazor_texts
