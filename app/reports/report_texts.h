// The fixed texts of the machining-time and coordinate reports. Tests compare against these same
// constants.
#pragma once

#include <string_view>

namespace trazor::trazor_texts {

// Footer of the time report: what the computed times leave out.
constexpr std::string_view TimeFooter
    = "荒引自動サイクルは含んでいません。ソフトリミットにより時間は変わります。計算上の時間です。";

// Headings in row 1 of the time report, columns A..G.
constexpr std::string_view TimeHeadings[]
    = { "プログラム", "切削速度", "回転数", "送り", "移動量", "時間", "累計時間" };

// Headings in row 1 of the coordinate report, columns A..E.
constexpr std::string_view CoordinateHeadings[] = { "行", "プログラム", "X", "Z", "Z,X/2" };

} // namespace trazor::trazor_texts
