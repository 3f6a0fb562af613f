#pragma once

// Fixed texts of TrazorCalculator, in UTF-8. The window shows them and the tests compare against
// them. Trazor finds the calculator by `windowTitle`, so it keeps its leading blank.

#include <string_view>

namespace trazor::calc_texts {

constexpr std::string_view windowTitle = " 電卓";

constexpr std::string_view initialDisplay = "0.";
constexpr std::string_view errorDisplay = "Error";
constexpr std::string_view memoryMark = "M";

// Tooltips of the formula keys Command1 to Command5.
constexpr std::string_view tipSpindleSpeed = "回転数[N]";
constexpr std::string_view tipCuttingSpeed = "切削速度[V]";
constexpr std::string_view tipFeedFromRoughness = "面粗さから送り速度[F]";
constexpr std::string_view tipMachiningTime = "加工時間 [G]";
constexpr std::string_view tipDegrees = "60進数[H] ，10進数[shift]+[H]";

// Prompts and result labels of the formula modes (prompt line Label1).
constexpr std::string_view promptCuttingSpeed = "切削速度（m/min) ="; // full-width opening parenthesis
constexpr std::string_view promptSpindleSpeed = "回転数(min-1) =";
constexpr std::string_view promptDiameter = "直径(mm) =";
constexpr std::string_view promptRoughnessKind = "面粗さ(Ra=1,Rz=2) =";
constexpr std::string_view promptRoughness = "面粗さ(μm) ="; // Greek small letter mu
constexpr std::string_view promptNoseRadius = "ノーズR(mm) =";
constexpr std::string_view labelFeedResult = "送り速度(mm/rev)=";
constexpr std::string_view promptFeed = "送り速度(mm/rev) =";
constexpr std::string_view promptLength = "加工長(mm) =";
constexpr std::string_view labelMachiningTime = "加工時間 ";
constexpr std::string_view promptDegrees = "度 =";
// Pieces of the degree/minute/second prompts, joined with the values typed so far.
constexpr std::string_view degreeSign = "度";
constexpr std::string_view promptMinutesTail = "度　分 ="; // ideographic space
constexpr std::string_view minuteSign = "分";
constexpr std::string_view promptSecondsTail = "  秒 =";
constexpr std::string_view labelSecondsTail = "秒  =";
constexpr std::string_view labelDecimalDegreesTail = "度  =";
constexpr std::string_view dmsSeparator = "'";

} // namespace trazor::calc_texts
