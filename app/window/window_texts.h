// Fixed texts of Trazor's main window, in UTF-8. The window shows them and the tests compare
// against them.
#pragma once

#include "app/dialogs/dialog_texts.h"

#include <string_view>

namespace trazor::trazor_texts {

constexpr std::string_view WindowTitle = "Trazor Ver.2.75";
constexpr std::string_view Untitled = "無題";
constexpr std::string_view CalculatorTitle = " 電卓";

// Close question: "[" + path + ChangedSuffix + line break + SaveQuestion.
constexpr std::string_view ChangedSuffix = "]は変更されています。";
constexpr std::string_view SaveQuestion = "保存をしますか ?";

// Standard view failures.
constexpr std::string_view NoGraphicsMemory = "グラフィックのメモリが足りません。";
constexpr std::string_view TryFewerColours = "画面の設定で色を32ビットから16ビットに変更してみてください。";
constexpr std::string_view DivisionByZero = "0割り算エラーです。";
constexpr std::string_view FixTheProgram = "プログラムを修正してください。";
constexpr std::string_view BadSoftLimits = "ソフトリミットが異常です。";

// Status bar panel 1 mode texts.
constexpr std::string_view PointCheckOn = "小数点チェック有効";
constexpr std::string_view PointCheckOff = "小数点チェック無効";
constexpr std::string_view VerticalLathe = " , 縦旋盤表示";
constexpr std::string_view HorizontalLathe = " , 横旋盤表示";
constexpr std::string_view ControlOsp = "OSP";
constexpr std::string_view ControlFanuc = "FANUC系";

// Unit panel texts for Unit 1 to 4.
constexpr std::string_view UnitTexts[] = { "単位 1mm", "単位 0.01mm", "単位 0.001mm", "単位 1 インチ" };

// Readout block captions and controls of our own.
constexpr std::string_view SliderCaption = "オーバーライド";
constexpr std::string_view ExcelOutCaption = "エクセル出力";
constexpr std::string_view ExcelOutTip = "エクセルに加工時間を出力します。";

// Export names and failures (our own: the control ends such a failure silently).
constexpr std::string_view TimeReportName = "加工時間";
constexpr std::string_view CoordinateReportName = "座標";
constexpr std::string_view ExportFailed = " を書けませんでした。";
constexpr std::string_view NothingOpensIt = " を開くアプリケーションがありません。";

// Saving a text the file's encoding cannot hold, and Save As under an upper-case name that is
// another existing file (our own texts).
constexpr std::string_view SaveAsUtf8Question = "UTF-8 で保存しますか ?";
constexpr std::string_view ReplaceUpperCaseQuestion = " は既に存在します。"
                                                      "\n"
                                                      "上書きしますか ?";

// Printing and the picture copy.
constexpr std::string_view PrintOnBlack = "バックカラーが黒のままですが印刷しますか？";
constexpr std::string_view PrintFailed = "印刷できませんでした。";
constexpr std::string_view CopyFailed = "クリップボードにコピーできませんでした。";
// Saving over a file that another program changed after it was loaded or saved here (our own).
constexpr std::string_view ChangedOnDiskQuestion = " は、読み込んだ後にほかのプログラムで変更されています。"
                                                   "\n"
                                                   "上書きしますか ?";

// Calculator start failure (our own: the control leaves it open).
constexpr std::string_view CalculatorNotStarted = "電卓を起動できませんでした。";

// The surface dragged to its border.
constexpr std::string_view RangeOver = "範囲ｵｰﾊﾞｰです。起動で範囲を再設定します。";
// Progress of a long redraw in the message panel (our own), followed by the percentage.
constexpr std::string_view Redrawing = "再描画中 ";

// A move found by Ctrl+click on the picture (our own): "行 5: G1 Z-20. F0.2", line break,
// "終点 X40.000 Z-20.000".
constexpr std::string_view PickedLine = "行 ";
constexpr std::string_view PickedEndPoint = "終点 ";

// Measuring on the picture (our own).
constexpr std::string_view MeasureCaption = "測定";
constexpr std::string_view MeasureTip = "2点間の距離と角度を測定 (Esc で終了)";
constexpr std::string_view MeasureFirstPoint = "測定: 1点目をクリックしてください";
constexpr std::string_view MeasureSecondPoint = "2点目をクリックしてください";
constexpr std::string_view MeasureFrom = "P1 ";
constexpr std::string_view MeasureTo = "P2 ";
constexpr std::string_view MeasureDeltaX = "ΔX ";
constexpr std::string_view MeasureDiameter = " (直径)";
constexpr std::string_view MeasureDeltaZ = "ΔZ ";
constexpr std::string_view MeasureDistance = "距離 ";
constexpr std::string_view MeasureInPlane = " (X/2-Z 平面)";
constexpr std::string_view MeasureAngle = "角度 ";
constexpr std::string_view MeasureAngleInPlane = "° (X/2-Z 平面, +Z から +X へ)";
constexpr std::string_view MeasureCopy = "コピー";

} // namespace trazor::trazor_texts
