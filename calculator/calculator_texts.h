#pragma once

// Fixed texts of TrazorCalculator, in UTF-8. The window shows them and the tests compare against
// them. Trazor finds the calculator by `WindowTitle`, so it keeps its leading blank.

#include <string_view>

namespace trazor::calc_texts {

constexpr std::string_view WindowTitle = " 電卓";

constexpr std::string_view InitialDisplay = "0.";
constexpr std::string_view ErrorDisplay = "Error";
constexpr std::string_view MemoryMark = "M";

// Tooltips of the formula keys Command1 to Command5.
constexpr std::string_view TipSpindleSpeed = "回転数[N]";
constexpr std::string_view TipCuttingSpeed = "切削速度[V]";
constexpr std::string_view TipFeedFromRoughness = "面粗さから送り速度[F]";
constexpr std::string_view TipMachiningTime = "加工時間 [G]";
constexpr std::string_view TipDegrees = "60進数[H] ，10進数[shift]+[H]";

// Prompts and result labels of the formula modes (prompt line Label1).
constexpr std::string_view PromptCuttingSpeed = "切削速度（m/min) ="; // full-width opening parenthesis
constexpr std::string_view PromptSpindleSpeed = "回転数(min-1) =";
constexpr std::string_view PromptDiameter = "直径(mm) =";
constexpr std::string_view PromptRoughnessKind = "面粗さ(Ra=1,Rz=2) =";
constexpr std::string_view PromptRoughness = "面粗さ(μm) ="; // Greek small letter mu
constexpr std::string_view PromptNoseRadius = "ノーズR(mm) =";
constexpr std::string_view LabelFeedResult = "送り速度(mm/rev)=";
constexpr std::string_view PromptFeed = "送り速度(mm/rev) =";
constexpr std::string_view PromptLength = "加工長(mm) =";
constexpr std::string_view LabelMachiningTime = "加工時間 ";
constexpr std::string_view PromptDegrees = "度 =";
// Pieces of the degree/minute/second prompts, joined with the values typed so far.
constexpr std::string_view DegreeSign = "度";
constexpr std::string_view PromptMinutesTail = "度　分 ="; // ideographic space
constexpr std::string_view MinuteSign = "分";
constexpr std::string_view PromptSecondsTail = "  秒 =";
constexpr std::string_view LabelSecondsTail = "秒  =";
constexpr std::string_view LabelDecimalDegreesTail = "度  =";
constexpr std::string_view DmsSeparator = "'";

} // namespace trazor::calc_texts
