#include "app/window/command_table.h"

#include "app/window/frm_main.h"
#include "app/window/window_texts.h"
#include "interpreter/command_places.h"

namespace trazor {

const std::vector<MenuRow>& MenuTable()
{
    static const std::vector<MenuRow> menus = {
        { "mnuFile", "ファイル(&F)", "" },
        { "mnuEdit", "編集(&E)", "" },
        { "mnuOperation", "操作(&O)", "" },
        { "mnuView", "表示(&V)", "" },
        { "PostionDisplay", "座標表示", "mnuView" },
        { "mnuParameter", "パラメータ(&P)", "" },
        { "mnuSNAP", "罫線", "mnuParameter" },
        { "mnuHelp", "ヘルプ(&H)", "" },
        // Pop-up menus only: never on the menu bar.
        { "Popup", "ポップアップ", "" },
        { "mnuMessage", "メッセージ", "" },
    };
    return menus;
}

const std::vector<CommandRow>& CommandTable()
{
    using F = frmMain;
    using K = QKeySequence;
    static const std::vector<CommandRow> rows = {
        // ファイル
        { "mnuFile", "mnuOpen", "プログラム選択", K::Open, Toolbar::Main, place::Open.button, "Open",
            "プログラム選択", false, &F::mnuOpen_Click },
        { "mnuFile", "mnuFileSave", "保存(&s)", K::Save, Toolbar::Edit, 0, "Save", "保存", false,
            &F::mnuFileSave_Click },
        { "mnuFile", "mnuFileSaveAs", "名前を付けて保存(&A)...", {}, Toolbar::None, 0, "", "", false,
            &F::mnuFileSaveAs_Click },
        { "mnuFile", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuFile", "mnuFilePrinterSetting", "プリンタの設定(&T)", {}, Toolbar::None, 0, "", "", false,
            &F::mnuFilePrinterSetting_Click },
        { "mnuFile", "mnuDrawPrint", "描画の印刷(&P)", {}, Toolbar::Main, place::DrawPrint.button,
            "DrawPrint", "描画の印刷", false, &F::mnuDrawPrint_Click },
        { "mnuFile", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuFile", "mnuExcel", "加工時間をエクセル出力", {}, Toolbar::None, 0, "", "", false,
            &F::mnuExcel_Click },
        { "mnuFile", "mnuExcel2", "座標をエクセル出力", {}, Toolbar::None, 0, "", "", false,
            &F::mnuExcel2_Click },
        { "mnuFile", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        // The five recent-file entries go here (built apart: they carry an index).
        { "mnuFile", "mnuFileRecentFile", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuFile", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuFile", "mnuExit", "終了(&X)", {}, Toolbar::None, 0, "", "", false, &F::mnuExit_Click },
        // 編集
        { "mnuEdit", "mnuEditUndo", "元に戻す(&U)", {}, Toolbar::Edit, 0, "Undo", "元に戻す", false,
            &F::mnuEditUndo_Click },
        { "mnuEdit", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuEdit", "mnuEditCut", "切り取り(&T)", {}, Toolbar::Edit, 0, "Cut", "切り取り", false,
            &F::mnuEditCut_Click },
        { "mnuEdit", "mnuEditCopy", "コピー(&C)", {}, Toolbar::Edit, 0, "Copy", "コピー", false,
            &F::mnuEditCopy_Click },
        { "mnuEdit", "mnuEditPaste", "貼り付け(&P)", {}, Toolbar::Edit, 0, "Paste", "貼り付け", false,
            &F::mnuEditPaste_Click },
        { "mnuEdit", "mnuEditAllSelect", "すべて選択(&A)", {}, Toolbar::None, 0, "", "", false,
            &F::mnuEditAllSelect_Click },
        { "mnuEdit", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuEdit", "mnuEditFind", "検索(&F)", {}, Toolbar::Edit, 0, "Find", "検索", false,
            &F::mnuEditFind_Click },
        { "mnuEdit", "mnuEditNextFind", "次を検索", {}, Toolbar::None, 0, "", "", false,
            &F::mnuEditNextFind_Click },
        { "mnuEdit", "mnuEditReplace", "置き換え(&R)", {}, Toolbar::Edit, 0, "Replace", "置き換え", false,
            &F::mnuEditReplace_Click },
        { "mnuEdit", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuEdit", "mnuEditCalculator", "電卓", {}, Toolbar::Edit, 0, "電卓", "電卓", false,
            &F::mnuEditCalculator_Click },
        { "mnuEdit", "mnuEditFont", "フォントの設定", {}, Toolbar::None, 0, "", "", false,
            &F::mnuEditFont_Click },
        // 操作
        { "mnuOperation", "mnuStart", "起動", Qt::Key_F1, Toolbar::Main, place::Start.button, "Start",
            "F1 起動", false, &F::mnuStart_Click },
        { "mnuOperation", "mnuStop", "一時停止", Qt::Key_F2, Toolbar::Main, place::Stop.button, "Stop",
            "F2 一時停止", false, &F::mnuStop_Click },
        { "mnuOperation", "mnuReset", "リセット", Qt::Key_F3, Toolbar::Main, place::Reset.button, "Reset",
            "F3 リセット", false, &F::mnuReset_Click },
        { "mnuOperation", "mnuRestart", "シーケンス復帰", Qt::Key_F4, Toolbar::Main, place::Restart.button,
            "Restart", "F4 シーケンス復帰", false, &F::mnuRestart_Click },
        { "mnuOperation", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuOperation", "mnuSingleBlock", "シングルブロック", Qt::Key_F5, Toolbar::Main,
            place::SingleBlock.button, "SingleBlock", "F5 シングルブロック", true, &F::mnuSingleBlock_Click },
        { "mnuOperation", "mnuBlockDelete", "ブロックデリート", Qt::Key_F6, Toolbar::Main,
            place::BlockDelete.button, "BlockDelete", "F6 ブロックデリート", true, &F::mnuBlockDelete_Click },
        { "mnuOperation", "mnuOptionalStop", "オプショナルストップ", Qt::Key_F7, Toolbar::Main,
            place::OptionalStop.button, "OptionalStop", "F7 オプショナルストップ", true,
            &F::mnuOptionalStop_Click },
        { "mnuOperation", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuOperation", "mnuAutoStart", "自動起動", {}, Toolbar::None, 0, "", "", true,
            &F::mnuAutoStart_Click },
        // 表示
        { "mnuView", "mnuClear", "消去", Qt::Key_F9, Toolbar::Main, place::Clear.button, "Clear",
            "F9 画面消去", false, &F::mnuClear_Click },
        { "mnuView", "mnuZoom", "拡大", {}, Toolbar::Main, place::Zoom.button, "Zoom", "画面の拡大", true,
            &F::mnuZoom_Click },
        { "mnuView", "mnuZoomUndo", "前回の拡大", {}, Toolbar::Main, place::ZoomUndo.button, "ZoomUndo",
            "前回の拡大スケール", false, &F::mnuZoomUndo_Click },
        { "mnuView", "mnuStanderd", "標準", {}, Toolbar::Main, place::Standard.button, "Standerd", "標準画面",
            false, &F::mnuStanderd_Click },
        // Ours: its toolbar button follows the control's buttons (frm_main_moves.cpp).
        { "mnuView", "mnuMeasure", trazor_texts::MeasureCaption, {}, Toolbar::None, 0, "",
            trazor_texts::MeasureTip, true, &F::mnuMeasure_Click },
        { "mnuView", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuView", "ToolNumberDisplay", "工具番号表示", {}, Toolbar::Main, place::ToolNumberDisplay.button,
            "TDisplay", "工具番号表示", true, &F::ToolNumberDisplay_Click },
        // The position-display submenu "PostionDisplay" goes here (built apart: it carries indices).
        { "mnuView", "PostionDisplay", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuView", "mnuG40", "座標表示にG40/G41/G42追加", {}, Toolbar::None, 0, "", "", true,
            &F::mnuG40_Click },
        { "mnuView", "mnuNoseRDisplay", "ノーズRの表示", {}, Toolbar::None, 0, "", "", true,
            &F::mnuNoseRDisplay_Click },
        { "mnuView", "mnuBturretUper", "B刃物台プラス側表示", {}, Toolbar::Main, place::BTurretUpper.button,
            "mnuBturretuper", "B刃物台軌跡を上側表示", true, &F::mnuBturretUper_Click },
        { "mnuView", "mnuTclear", "工具毎に画面消去", Qt::Key_F8, Toolbar::Main, place::ClearPerTool.button,
            "T_Clear", "F8 工具毎に画面消去", true, &F::mnuTclear_Click },
        { "mnuView", "mnuColorChange", "工具毎に色を変更", {}, Toolbar::Main, place::ColourPerTool.button,
            "ColorChange", "工具毎に色を変更", true, &F::mnuColorChange_Click },
        { "mnuView", "mnuBackcolor", "バックカラー変更", {}, Toolbar::Main, place::BackColourChange.button,
            "BackColorChange", "印刷の為に画面を白色に変更", true, &F::mnuBackcolor_Click },
        { "mnuView", "mnuYajirusi", "早送りに矢印を付ける", {}, Toolbar::Main, place::RapidArrow.button,
            "Yajirusi", "早送りに矢印を付ける", true, &F::mnuYajirusi_Click },
        { "mnuView", "-", "", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuView", "mnuScreenPrint", "クリップボードにコピー", {}, Toolbar::Main, place::ImageCopy.button,
            "ImageCopy", "クリップボードにコピー", false, &F::mnuScreenPrint_Click },
        { "mnuView", "mnuFkey", "ファンクションキー表示", {}, Toolbar::None, 0, "", "", true,
            &F::mnuFkey_Click },
        // パラメータ
        { "mnuParameter", "mnuSoftLimit", "ソフトリミット", {}, Toolbar::None, 0, "", "", false,
            &F::mnuSoftLimit_Click },
        { "mnuParameter", "mnuUnitSet", "単位の変更", {}, Toolbar::None, 0, "", "", false,
            &F::mnuUnitSet_Click },
        { "mnuParameter", "mnuPointCheck", "FANUC系(小数点のチェック含む)", {}, Toolbar::None, 0, "", "",
            true, &F::mnuPointCheck_Click },
        { "mnuParameter", "mnuVertical", "縦旋盤表示", {}, Toolbar::None, 0, "", "", true,
            &F::mnuVertical_Click },
        { "mnuParameter", "mnuXmirror", "X軸ミラー表示", {}, Toolbar::None, 0, "", "", true,
            &F::mnuXmirror_Click },
        { "mnuParameter", "mnuG2mirror", "G02-G03ミラーイメージ", {}, Toolbar::None, 0, "", "", true,
            &F::mnuG2mirror_Click },
        { "mnuSNAP", "mnuXsnap", "X-罫線", {}, Toolbar::None, 0, "", "", true, &F::mnuXsnap_Click },
        { "mnuSNAP", "mnuZsnap", "Z-罫線", {}, Toolbar::None, 0, "", "", true, &F::mnuZsnap_Click },
        // ヘルプ
        { "mnuHelp", "About", "ﾊﾞｰｼﾞｮﾝ情報(&A)", {}, Toolbar::None, 0, "", "", false, &F::About_Click },
        // Pop-up menus
        { "Popup", "PopUpPosition", "座標", {}, Toolbar::None, 0, "", "", false, &F::PopUpPosition_Click },
        { "Popup", "PopupZoom", "拡大", {}, Toolbar::None, 0, "", "", false, &F::PopupZoom_Click },
        { "Popup", "PopupZoomUndo", "前回の拡大", {}, Toolbar::None, 0, "", "", false,
            &F::PopupZoomUndo_Click },
        { "Popup", "PopupStanderd", "標準", {}, Toolbar::None, 0, "", "", false, &F::mnuStanderd_Click },
        { "mnuMessage", "PopupMessage", "メッセージ文", {}, Toolbar::None, 0, "", "", false, nullptr },
        { "mnuMessage", "PopupStart", "起動", {}, Toolbar::None, 0, "", "", false, &F::PopupStart_Click },
    };
    return rows;
}

const std::vector<PanelRow>& StatusBarPanels()
{
    static const std::vector<PanelRow> panels = {
        { "Alarm", "", "アラーム" },
        { "NoseR", "ノーズR", "ノーズR表示ON/OFF" },
        { "Xsnap", "X-罫線", "X 罫線 ON/OFF" },
        { "Zsnap", "Z-罫線", "Z 罫線 ON/OFF" },
        { "Control", "OSP", "OSP/FANUC系の切り替え" },
        { "Unit", "", "単位の変更" },
        { "Caps Lock", "CAPS", "Caps Lock ON/OFF" },
        { "INS", "INS", "インサートキー ON/OFF" },
        { "NUM", "NUM", "番号キー ON/OFF" },
    };
    return panels;
}

const std::vector<PanelRow>& FunctionKeyPanels()
{
    static const std::vector<PanelRow> panels = {
        { "Alarm", "", "アラーム" },
        { "Start", "F1 起動", "F1 起動" },
        { "Stop", "F2 一時停止", "F2 一時停止" },
        { "Reset", "F3 リセット", "F3 リセット" },
        { "Restart", "F4 リスタート", "F4 リスタート" },
        { "SingleBlock", "F5 ｼﾝｸﾞﾙﾌﾞﾛｯｸ", "F5 ｼﾝｸﾞﾙﾌﾞﾛｯｸ" },
        { "BlockDelete", "F6 ﾌﾞﾛｯｸ ﾃﾞﾘｰﾄ", "F6 ﾌﾞﾛｯｸ ﾃﾞﾘｰﾄ" },
        { "OptionalStop", "F7 ｵﾌﾟｼｮﾅﾙｽﾄｯﾌﾟ", "F7 ｵﾌﾟｼｮﾅﾙｽﾄｯﾌﾟ" },
        { "T_Clear", "F8 工具/消去", "F8 工具/消去" },
        { "Clear", "F9 消去", "F9 消去" },
    };
    return panels;
}

} // namespace trazor
