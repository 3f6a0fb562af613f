// Trazor's main window through its real handlers, on the offscreen platform with a settings file
// of its own: start-up and settings, the command surface, runs with their readouts, the close
// question and the dialogs.
#include "app/window/editor_marks.h"
#include "app/window/frm_main.h"
#include "app/window/panel_bar.h"
#include "app/window/program_editor.h"
#include "dialog_waiter.h"
#include "interpreter/command_places.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace trazor {
namespace {

    const QString Program
        = QStringLiteral("O1234\r\nG50 S2000\r\nG0 X100. Z10. T0101 M3 S500\r\nG1 Z-20. F0.2\r\n"
                         "M01\r\nG1 X120.\r\nM30\r\n");

    struct Window {
        QTemporaryDir dir;
        QString settings = dir.filePath("Trazor.ini");
        std::unique_ptr<frmMain> w;
        std::vector<QString> questions; // texts of the message boxes, in order
        int answer = QMessageBox::No;

        explicit Window(const QString& commandLine = {}) { Open(commandLine); }

        void Open(const QString& commandLine = {})
        {
            w = std::make_unique<frmMain>(commandLine, settings, QStringLiteral(TRAZOR_BIN_DIR));
            w->askUser = [this](int, const QString&, const QString& text, int) {
                questions.push_back(text);
                return answer;
            };
        }
        bool Load() { return w->Form_Load(); }
        QString Label(const char* name, int index = 0) const
        {
            for (QLabel* label : w->findChildren<QLabel*>(name))
                if (label->property("index").toInt() == index)
                    return label->text();
            return "<none>";
        }
        bool Shown(const char* name, int index) const
        {
            for (QLabel* label : w->findChildren<QLabel*>(name))
                if (label->property("index").toInt() == index)
                    return label->isVisibleTo(w.get());
            return false;
        }
        PanelBar* Bar(const char* name) const { return w->findChild<PanelBar*>(name); }
        QString File(const char* name, const QString& text)
        {
            QString path = dir.filePath(name);
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(text.toUtf8());
            return path;
        }
    };

    TEST(MainWindow, FirstStartWithAnEmptyStore)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        EXPECT_EQ(w.windowTitle().left(15), QStringLiteral("Trazor Ver.2.75"));
        EXPECT_EQ(w.size(), QSize(800, 667)); // 12000 x 10000 twips at 96 DPI
        EXPECT_EQ(w.pos(), QPoint(67, 67)); // 1000 twips
        const InterpreterState& st = w.Core().st;
        EXPECT_FALSE(st.FanucMode);
        EXPECT_EQ(st.Unit, 1);
        EXPECT_EQ(st.LimitPlusX, 500);
        EXPECT_EQ(st.LimitPlusZ, 200);
        EXPECT_EQ(st.LimitMinusX, -200);
        EXPECT_EQ(st.LimitMinusZ, -200.0f);
        EXPECT_TRUE(st.AutoStartOn);
        EXPECT_TRUE(w.Action("mnuAutoStart")->isChecked());
        // The display commands ran once: arrows, tool labels and colour per tool on.
        EXPECT_TRUE(st.RapidArrowOn);
        EXPECT_TRUE(st.ToolLabelOn);
        EXPECT_TRUE(st.ColourPerTool);
        EXPECT_EQ(w.CurrentFilePath(), QStringLiteral("無題"));
        EXPECT_EQ(t.Label("LabelFileName"), QStringLiteral("無題"));
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(5), QStringLiteral("OSP"));
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(6), QStringLiteral("単位 1mm"));
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(1), QStringLiteral("小数点チェック無効 , 横旋盤表示"));
        for (QAction* recent : w.findChildren<QAction*>("mnuFileRecentFile"))
            EXPECT_FALSE(recent->isVisible());
        EXPECT_FALSE(w.findChild<QMenu*>("Popup")->menuAction()->isVisible()
            && w.menuBar()->actions().contains(w.findChild<QMenu*>("Popup")->menuAction()));
        EXPECT_EQ(w.findChild<QSlider*>("Slider")->value(), 100);
    }

    TEST(MainWindow, EveryCommandHasItsNameCaptionKeyAndTip)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        const struct {
            const char* name;
            const char* caption;
            const char* key; // toolbar button key, "" none
            const char* tip;
            QKeySequence shortcut;
        } rows[] = {
            { "mnuOpen", "プログラム選択", "Open", "プログラム選択", QKeySequence::Open },
            { "mnuStart", "起動", "Start", "F1 起動", Qt::Key_F1 },
            { "mnuStop", "一時停止", "Stop", "F2 一時停止", Qt::Key_F2 },
            { "mnuReset", "リセット", "Reset", "F3 リセット", Qt::Key_F3 },
            { "mnuRestart", "シーケンス復帰", "Restart", "F4 シーケンス復帰", Qt::Key_F4 },
            { "mnuSingleBlock", "シングルブロック", "SingleBlock", "F5 シングルブロック", Qt::Key_F5 },
            { "mnuBlockDelete", "ブロックデリート", "BlockDelete", "F6 ブロックデリート", Qt::Key_F6 },
            { "mnuOptionalStop", "オプショナルストップ", "OptionalStop", "F7 オプショナルストップ",
                Qt::Key_F7 },
            { "mnuTclear", "工具毎に画面消去", "T_Clear", "F8 工具毎に画面消去", Qt::Key_F8 },
            { "mnuClear", "消去", "Clear", "F9 画面消去", Qt::Key_F9 },
            { "mnuZoom", "拡大", "Zoom", "画面の拡大", {} },
            { "mnuZoomUndo", "前回の拡大", "ZoomUndo", "前回の拡大スケール", {} },
            { "mnuStanderd", "標準", "Standerd", "標準画面", {} },
            { "mnuBturretUper", "B刃物台プラス側表示", "mnuBturretuper", "B刃物台軌跡を上側表示", {} },
            { "mnuBackcolor", "バックカラー変更", "BackColorChange", "印刷の為に画面を白色に変更", {} },
            { "mnuYajirusi", "早送りに矢印を付ける", "Yajirusi", "早送りに矢印を付ける", {} },
            { "ToolNumberDisplay", "工具番号表示", "TDisplay", "工具番号表示", {} },
            { "mnuColorChange", "工具毎に色を変更", "ColorChange", "工具毎に色を変更", {} },
            { "mnuScreenPrint", "クリップボードにコピー", "ImageCopy", "クリップボードにコピー", {} },
            { "mnuDrawPrint", "描画の印刷(&P)", "DrawPrint", "描画の印刷", {} },
            { "mnuFileSave", "保存(&s)", "Save", "保存", QKeySequence::Save },
            { "mnuFileSaveAs", "名前を付けて保存(&A)...", "", "", {} },
            { "mnuFilePrinterSetting", "プリンタの設定(&T)", "", "", {} },
            { "mnuExcel", "加工時間をエクセル出力", "", "", {} },
            { "mnuExcel2", "座標をエクセル出力", "", "", {} },
            { "mnuExit", "終了(&X)", "", "", {} },
            { "mnuEditUndo", "元に戻す(&U)", "Undo", "元に戻す", {} },
            { "mnuEditCut", "切り取り(&T)", "Cut", "切り取り", {} },
            { "mnuEditCopy", "コピー(&C)", "Copy", "コピー", {} },
            { "mnuEditPaste", "貼り付け(&P)", "Paste", "貼り付け", {} },
            { "mnuEditAllSelect", "すべて選択(&A)", "", "", {} },
            { "mnuEditFind", "検索(&F)", "Find", "検索", {} },
            { "mnuEditNextFind", "次を検索", "", "", {} },
            { "mnuEditReplace", "置き換え(&R)", "Replace", "置き換え", {} },
            { "mnuEditCalculator", "電卓", "電卓", "電卓", {} },
            { "mnuEditFont", "フォントの設定", "", "", {} },
            { "mnuAutoStart", "自動起動", "", "", {} },
            { "mnuG40", "座標表示にG40/G41/G42追加", "", "", {} },
            { "mnuNoseRDisplay", "ノーズRの表示", "", "", {} },
            { "mnuFkey", "ファンクションキー表示", "", "", {} },
            { "mnuSoftLimit", "ソフトリミット", "", "", {} },
            { "mnuUnitSet", "単位の変更", "", "", {} },
            { "mnuPointCheck", "FANUC系(小数点のチェック含む)", "", "", {} },
            { "mnuVertical", "縦旋盤表示", "", "", {} },
            { "mnuXmirror", "X軸ミラー表示", "", "", {} },
            { "mnuG2mirror", "G02-G03ミラーイメージ", "", "", {} },
            { "mnuXsnap", "X-罫線", "", "", {} },
            { "mnuZsnap", "Z-罫線", "", "", {} },
            { "About", "ﾊﾞｰｼﾞｮﾝ情報(&A)", "", "", {} },
            { "PopUpPosition", "座標", "", "", {} },
            { "PopupZoom", "拡大", "", "", {} },
            { "PopupZoomUndo", "前回の拡大", "", "", {} },
            { "PopupStanderd", "標準", "", "", {} },
            { "PopupMessage", "メッセージ文", "", "", {} },
            { "PopupStart", "起動", "", "", {} },
        };
        frmMain& w = *t.w;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            QAction* action = w.Action(row.name);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
            EXPECT_EQ(action->shortcut(), row.shortcut);
            if (*row.key) {
                auto* button = w.findChild<QToolButton*>(QString::fromUtf8(row.key));
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->toolTip(), QString::fromUtf8(row.tip));
                EXPECT_FALSE(button->icon().isNull());
            }
        }
        // Toolbar1 by the control's indices, with its separators.
        for (auto [key, index] :
            { std::pair { "Open", 1 }, { "Start", 3 }, { "OptionalStop", 10 }, { "Clear", 13 },
                { "Standerd", 16 }, { "mnuBturretuper", 18 }, { "PosDisplay", 22 }, { "DrawPrint", 25 } })
            EXPECT_EQ(w.findChild<QToolButton*>(key)->property("index").toInt(), index) << key;
        // Menu bar: the six menus, no pop-ups.
        QStringList menus;
        for (QAction* menu : w.menuBar()->actions())
            menus << menu->text();
        EXPECT_EQ(menus,
            QStringList(
                { "ファイル(&F)", "編集(&E)", "操作(&O)", "表示(&V)", "パラメータ(&P)", "ヘルプ(&H)" }));
        // Status bars: nine panels, ten function keys, texts and tips as the control's.
        const char* panelKeys[]
            = { "Alarm", "NoseR", "Xsnap", "Zsnap", "Control", "Unit", "Caps Lock", "INS", "NUM" };
        const char* panelTips[]
            = { "アラーム", "ノーズR表示ON/OFF", "X 罫線 ON/OFF", "Z 罫線 ON/OFF", "OSP/FANUC系の切り替え",
                  "単位の変更", "Caps Lock ON/OFF", "インサートキー ON/OFF", "番号キー ON/OFF" };
        PanelBar* bar = t.Bar("sbStatusBar");
        ASSERT_EQ(bar->Count(), 9);
        for (int n = 1; n <= 9; ++n) {
            EXPECT_EQ(bar->Panel(n)->objectName(), panelKeys[n - 1]);
            EXPECT_EQ(bar->Panel(n)->toolTip(), QString::fromUtf8(panelTips[n - 1]));
        }
        const char* fkeys[] = { "", "F1 起動", "F2 一時停止", "F3 リセット", "F4 リスタート", "F5 ｼﾝｸﾞﾙﾌﾞﾛｯｸ",
            "F6 ﾌﾞﾛｯｸ ﾃﾞﾘｰﾄ", "F7 ｵﾌﾟｼｮﾅﾙｽﾄｯﾌﾟ", "F8 工具/消去", "F9 消去" };
        PanelBar* fbar = t.Bar("StatusBarF");
        ASSERT_EQ(fbar->Count(), 10);
        for (int n = 2; n <= 10; ++n)
            EXPECT_EQ(fbar->Text(n), QString::fromUtf8(fkeys[n - 1]));
    }

    TEST(MainWindow, ARunShowsItsReadoutsAndStopsWhereTheControlWould)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        w.Program().SetProgramText(Program);
        w.Core().st.OptionalStopOn = true;
        w.mnuReset_Click();
        EXPECT_EQ(w.Core().st.BlockCount, 1);
        w.mnuStart_Click();
        // The run stopped at M01 with the switch on; the line after it is highlighted.
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(1), QStringLiteral("オプショナル ストップ"));
        EXPECT_EQ(t.Bar("StatusBarF")->Text(1), QStringLiteral("オプショナル ストップ"));
        // On screen the line itself is selected; the interpreter still reads the block's start, the
        // line feed before it.
        EXPECT_EQ(w.Program().selectedText(), QStringLiteral("G1 X120."));
        EXPECT_EQ(w.EditorCaret(), Program.indexOf("\nG1 X120."));
        EXPECT_EQ(t.Label("ONumber"), "1234");
        EXPECT_EQ(t.Label("XA"), "100.000");
        EXPECT_EQ(t.Label("ZA"), "-20.000");
        EXPECT_EQ(t.Label("FEED"), "0.200");
        EXPECT_EQ(t.Label("ToolNumber"), "101");
        EXPECT_EQ(t.Label("Gcode", 0), "01");
        EXPECT_EQ(t.Label("Mcode", 0), "03");
        EXPECT_EQ(t.Label("SpindleSpeed"), "500");
        EXPECT_EQ(t.Label("Vspeed"), "157"); // floor(pi x 100 x 500 / 1000)
        EXPECT_TRUE(t.Shown("Mcode", 3)); // stop code 1
        EXPECT_TRUE(t.Shown("Label2", 8));
        EXPECT_EQ(t.Label("Mcode", 3), "01");
        w.mnuStart_Click();
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(1), QString());
        EXPECT_FALSE(w.Core().st.RunInProgress);
    }

    TEST(MainWindow, SingleBlockAndFunctionKeysStepOneBlockAtATime)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        w.Program().SetProgramText(Program);
        w.activateWindow();
        QTest::keyClick(&w, Qt::Key_F3); // reset
        QTest::keyClick(&w, Qt::Key_F5); // single block on
        EXPECT_TRUE(w.Core().st.SingleBlockOn);
        EXPECT_TRUE(w.Action("mnuSingleBlock")->isChecked());
        EXPECT_TRUE(w.findChild<QToolButton*>("SingleBlock")->isChecked());
        EXPECT_TRUE(t.Bar("StatusBarF")->Inset(6));
        for (const char* next : { "G50 S2000", "G0 X100. Z10. T0101 M3 S500", "G1 Z-20. F0.2" }) {
            QTest::keyClick(&w, Qt::Key_F1);
            EXPECT_EQ(w.Program().selectedText().trimmed(), QString::fromUtf8(next));
        }
        EXPECT_EQ(t.Label("Block"), "3"); // the count as the third block ran
        // F6, F7 flip their switches; F9 clears the pane and leaves the state.
        QTest::keyClick(&w, Qt::Key_F6);
        QTest::keyClick(&w, Qt::Key_F7);
        EXPECT_TRUE(w.Core().st.BlockDeleteOn);
        EXPECT_TRUE(w.Core().st.OptionalStopOn);
        QTest::keyClick(&w, Qt::Key_F9);
        EXPECT_EQ(w.Core().st.BlockCount, 4);
        // F4 replays up to the caret: with the caret on line 6 the search stops there.
        w.Program().setCursorPosition(5, 0);
        QTest::keyClick(&w, Qt::Key_F4);
        EXPECT_EQ(w.Program().selectedText(), QStringLiteral("G1 X120."));
        EXPECT_EQ(t.Label("ZA"), "-20.000");
        // F2 outside a run only leaves the stop code for the next Start.
        QTest::keyClick(&w, Qt::Key_F2);
        EXPECT_EQ(w.Core().st.StopCode, StopPressed);
        // F8: clear per tool, available while tool labels are on (start-up turned them on).
        QTest::keyClick(&w, Qt::Key_F8);
        EXPECT_TRUE(w.Core().st.ClearPerTool);
        EXPECT_EQ(w.findChild<QSlider*>("Slider")->value(), 80);
    }

    TEST(MainWindow, SettingsAreWrittenAtExitAndReadAtTheNextStart)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        t.w->Core().st.LimitPlusX = 321.5;
        t.w->Core().st.Unit = 3;
        t.w->mnuPointCheck_Click();
        t.w->mnuVertical_Click();
        t.w->move(150, 120);
        t.w->resize(900, 700);
        t.w->Form_Unload();
        {
            QSettings store(t.settings, QSettings::IniFormat);
            EXPECT_EQ(store.value("Parameter/PVLX").toString(), "321.5");
            EXPECT_EQ(store.value("Parameter/PointCheck").toString(), "True");
            EXPECT_EQ(store.value("Parameter/Xmirror").toString(), "False");
            EXPECT_EQ(store.value("Parameter/AutoStart").toString(), "True");
            EXPECT_EQ(store.value("Settings/MainWidth").toString(), "13500");
        }
        t.Open();
        ASSERT_TRUE(t.Load());
        EXPECT_EQ(t.w->Core().st.LimitPlusX, 321.5);
        EXPECT_TRUE(t.w->Core().st.FanucMode);
        EXPECT_TRUE(t.w->Action("mnuPointCheck")->isChecked());
        EXPECT_TRUE(t.w->Action("mnuVertical")->isChecked());
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(6), QStringLiteral("単位 0.001mm"));
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(5), QStringLiteral("FANUC系"));
        EXPECT_EQ(t.w->size(), QSize(900, 700));

        // A minimised window keeps the placement stored before.
        t.w->resize(640, 480);
        t.w->showMinimized();
        t.w->Form_Unload();
        QSettings store(t.settings, QSettings::IniFormat);
        EXPECT_EQ(store.value("Settings/MainWidth").toString(), "13500");

        // trazor-check reads the file Trazor wrote.
        QProcess check;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QTemporaryDir config;
        QDir(config.path()).mkpath("Trazor");
        QFile::copy(t.settings, config.filePath("Trazor/Trazor.ini"));
        env.insert("XDG_CONFIG_HOME", config.path());
        check.setProcessEnvironment(env);
        check.start(QStringLiteral(TRAZOR_BIN_DIR) + "/trazor-check",
            { "--json", t.File("F.NC", "G0 X10 Z10\r\nM30\r\n") });
        ASSERT_TRUE(check.waitForFinished(20000));
        const QString out = QString::fromUtf8(check.readAllStandardOutput());
        // FANUC with the decimal-point check: "X10" without a point is an error there.
        EXPECT_EQ(check.exitCode(), 1) << out.toStdString();
    }

    TEST(MainWindow, TheCloseQuestionKeepsUnsavedWork)
    {
        const struct {
            int answer;
            bool untitled;
            bool staysOpen;
        } cases[] = {
            { QMessageBox::Cancel, true, true },
            { QMessageBox::No, true, false },
            // Yes for an untitled program opens Save As; cancelled, the window stays with the work.
            { QMessageBox::Yes, true, true },
        };
        for (const auto& c : cases) {
            Window t;
            ASSERT_TRUE(t.Load());
            t.w->Program().SetProgramText(Program);
            t.w->Program().SetModified(true);
            t.answer = c.answer;
            if (c.answer == QMessageBox::Yes)
                WhenDialogOpens("QFileDialog", [](QDialog* dialog) { dialog->reject(); });
            const bool cancelled = t.w->Form_QueryUnload();
            EXPECT_EQ(cancelled, c.staysOpen) << c.answer;
            ASSERT_FALSE(t.questions.empty());
            EXPECT_EQ(t.questions.back(), QStringLiteral("[無題]は変更されています。\n保存をしますか ?"));
        }
        // The menu's exit asks the same question; Cancel keeps the window.
        Window t;
        ASSERT_TRUE(t.Load());
        t.w->Program().SetModified(true);
        t.answer = QMessageBox::Cancel;
        t.w->mnuExit_Click();
        EXPECT_EQ(t.questions.size(), 1u);
        EXPECT_TRUE(t.w->isVisible());
    }

    TEST(MainWindow, SoftLimitAndUnitDialogsAndTheStatusPanels)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        WhenDialogOpens("trazor::SoftLimit", [](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("tPVLZ")->setText("350abc");
            dialog->findChild<QLineEdit*>("tNVLX")->setText("xyz");
            dialog->findChild<QPushButton*>("Command1")->click();
        });
        w.mnuSoftLimit_Click();
        EXPECT_EQ(w.Core().st.LimitPlusZ, 350);
        EXPECT_EQ(w.Core().st.LimitMinusX, 0);

        WhenDialogOpens("trazor::UnitSet", [](QDialog* dialog) {
            dialog->findChild<QRadioButton*>("Option3")->click();
            dialog->findChild<QPushButton*>("Command1")->click();
        });
        t.Bar("sbStatusBar")->PanelClick("Unit");
        EXPECT_EQ(w.Core().st.Unit, 3);
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(6), QStringLiteral("単位 0.001mm"));

        // The "Control" panel switches the dialect.
        w.sbStatusBar_PanelClick("Control");
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(5), QStringLiteral("FANUC系"));
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(1), QStringLiteral("小数点チェック有効 , 横旋盤表示"));
        w.sbStatusBar_PanelClick("Control");
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(5), QStringLiteral("OSP"));

        // The function-key bar takes the place of the status bar and back.
        w.mnuFkey_Click();
        EXPECT_TRUE(t.Bar("StatusBarF")->isVisibleTo(&w));
        EXPECT_FALSE(t.Bar("sbStatusBar")->isVisibleTo(&w));
        EXPECT_TRUE(w.Action("mnuFkey")->isChecked());
        w.mnuFkey_Click();
        EXPECT_TRUE(t.Bar("sbStatusBar")->isVisibleTo(&w));
    }

    TEST(MainWindow, StopAndCloseActWhileARunYields)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        QString program = QStringLiteral("G50 S2000\r\nG97 S500 M3\r\n");
        for (int n = 1; n <= 400; ++n)
            program += QStringLiteral("G1 X%1. Z-%2. F0.2\r\n").arg(100 + n % 7).arg(n);
        w.Program().SetProgramText(program + "M30\r\n");
        w.Slider_Scroll(90); // 0.05 s after every block
        w.mnuReset_Click();
        QTimer::singleShot(300, &w, [&w] { w.mnuStop_Click(); });
        w.mnuStart_Click();
        EXPECT_FALSE(w.Core().st.RunInProgress);
        EXPECT_LT(w.Core().st.BlockCount, 50) << "the run ended soon after Stop";
        EXPECT_GT(w.Core().st.BlockCount, 2);
        EXPECT_EQ(t.Bar("sbStatusBar")->Text(1), QString());
        // Start is refused while a run yields; closing ends the run, then the window.
        QTimer::singleShot(200, &w, [&w] {
            w.mnuStart_Click();
            w.close();
        });
        w.mnuStart_Click();
        EXPECT_FALSE(w.Core().st.RunInProgress);
        EXPECT_FALSE(w.isVisible());
    }

    TEST(MainWindow, SoftLimitsWithoutAZStrokeAreReportedAndTheDialogOpens)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        t.w->Core().st.LimitPlusZ = -200;
        bool dialogOpened = false;
        WhenDialogOpens("trazor::SoftLimit", [&dialogOpened](QDialog* dialog) {
            dialogOpened = true;
            dialog->findChild<QLineEdit*>("tPVLZ")->setText("200");
            dialog->findChild<QPushButton*>("Command1")->click();
        });
        t.w->mnuStanderd_Click();
        ASSERT_FALSE(t.questions.empty());
        EXPECT_EQ(t.questions.front(), QStringLiteral("ソフトリミットが異常です。380"));
        EXPECT_TRUE(dialogOpened);
        EXPECT_EQ(t.w->Core().st.LimitPlusZ, 200);
        EXPECT_TRUE(t.w->isVisible());
    }

    TEST(MainWindow, AStoredPlacementOffEveryScreenOpensOnThePrimaryScreen)
    {
        Window t;
        {
            QSettings store(t.settings, QSettings::IniFormat);
            store.setValue("Settings/MainLeft", "-400000");
            store.setValue("Settings/MainTop", "90000");
        }
        ASSERT_TRUE(t.Load());
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().intersects(t.w->geometry()));
        EXPECT_EQ(t.w->size(), QSize(800, 667));
    }

    // The cells of an .xlsx as the report tests read them back (python3 with openpyxl).
    QStringList WorkbookLines(const QString& path)
    {
        QProcess read;
        read.start("/usr/bin/python3", { QStringLiteral(TRAZOR_READ_XLSX_SCRIPT), path });
        read.waitForFinished(30000);
        return QString::fromUtf8(read.readAllStandardOutput()).split('\n');
    }

    TEST(MainWindow, ExportsWriteTheCheckersWorkbookAndLeaveTheRunAsItWas)
    {
        if (!QFileInfo::exists("/usr/bin/python3"))
            GTEST_SKIP() << "no python3 to read the workbook";
        Window files;
        const QString program = files.File("P1.MIN", Program);
        Window t('"' + program + '"');
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        QStringList opened;
        w.openFile = [&opened](const QString& path) {
            opened << path;
            return true;
        };
        // A paused run: two blocks in single block.
        w.mnuReset_Click();
        w.mnuSingleBlock_Click();
        w.mnuStart_Click();
        w.mnuStart_Click();
        const InterpreterState before = w.Core().st;
        w.mnuExcel_Click();
        w.mnuExcel2_Click();
        ASSERT_EQ(opened.size(), 2);
        EXPECT_TRUE(opened[0].endsWith("P1 加工時間.xlsx")) << opened[0].toStdString();
        EXPECT_TRUE(opened[1].endsWith("P1 座標.xlsx")) << opened[1].toStdString();
        EXPECT_EQ(w.Core().st.BlockCount, before.BlockCount);
        EXPECT_EQ(w.Core().st.NextBlockStart, before.NextBlockStart);
        EXPECT_EQ(w.Core().st.MachiningTime, before.MachiningTime);

        // The same cells as trazor-check's export of the same file with the same settings.
        QProcess check;
        check.start(QStringLiteral(TRAZOR_BIN_DIR) + "/trazor-check",
            { "--no-settings", "--time-xlsx", files.dir.filePath("check.xlsx"), program });
        ASSERT_TRUE(check.waitForFinished(20000));
        const QStringList mine = WorkbookLines(opened[0]);
        EXPECT_GT(mine.size(), 10);
        EXPECT_EQ(mine, WorkbookLines(files.dir.filePath("check.xlsx")));

        // A workbook that cannot be written is told, with its path.
        const QString notAFolder = files.File("not-a-folder", "x");
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", notAFolder.toLocal8Bit());
        w.mnuExcel_Click();
        qputenv("TMPDIR", oldTemp);
        ASSERT_FALSE(t.questions.empty());
        EXPECT_TRUE(t.questions.back().contains("を書けませんでした。")) << t.questions.back().toStdString();
        EXPECT_TRUE(t.questions.back().contains("not-a-folder"));
        EXPECT_EQ(opened.size(), 2);
    }

    TEST(MainWindow, PrintingAndThePictureCopy)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->setText("before");
        int printers = 0;
        const QString pdf = t.dir.filePath("page.pdf");
        w.choosePrinter = [&printers, &pdf](QPrinter& printer) {
            ++printers;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        // On the black background the question comes first; No prints nothing, copies nothing.
        t.answer = QMessageBox::No;
        w.mnuDrawPrint_Click();
        EXPECT_EQ(t.questions.back(), QStringLiteral("バックカラーが黒のままですが印刷しますか？"));
        EXPECT_EQ(printers, 0);
        EXPECT_EQ(clipboard->text(), QStringLiteral("before"));
        // Yes prints the page and leaves the page image on the clipboard.
        t.answer = QMessageBox::Yes;
        w.mnuDrawPrint_Click();
        EXPECT_EQ(printers, 1);
        EXPECT_GT(QFileInfo(pdf).size(), 1000);
        EXPECT_EQ(clipboard->image().size(), w.PageImage().size());

        // The copied picture carries the file name in the mark colour near its top-left corner.
        w.mnuScreenPrint_Click();
        const QImage copied = clipboard->image();
        ASSERT_FALSE(copied.isNull());
        int marked = 0;
        const Colour colour = w.Core().st.MarkColour;
        const QRgb mark = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < copied.width() / 3; ++x)
                if (copied.pixel(x, y) == mark)
                    ++marked;
        EXPECT_GT(marked, 20);
    }

    TEST(MainWindow, TheCommandLineLoadsAQuotedOrPlainPath)
    {
        for (bool quoted : { true, false }) {
            Window files;
            const QString path = files.File("WITH SPACE.MIN", Program);
            Window t(quoted ? "\"" + path + "\"" : path);
            ASSERT_TRUE(t.Load());
            EXPECT_EQ(t.w->CurrentFilePath(), path);
            EXPECT_EQ(t.Label("LabelFileName"), QStringLiteral("WITH SPACE.MIN"));
            EXPECT_EQ(t.w->Program().ProgramText(), Program);
            EXPECT_FALSE(t.w->Program().Modified());
            // With automatic start the program ran at once: its last block has been drawn.
            EXPECT_EQ(t.w->Core().st.StopCode, StopEnd);
        }
    }

    TEST(MainWindow, TheMessageListShowsTheRunsMessagesInOrderAndClearsAtReset)
    {
        Window t;
        ASSERT_TRUE(t.Load());
        frmMain& w = *t.w;
        w.Program().SetProgramText(QString::fromUtf8("G50 S2000\nG00 X100.0 Z10.0\nG96 S0 M03\nG01 X20 F0.2\n"
                                                     "G00 X100.0\nG01 Z-5.0 F0.2\n"));
        w.Core().st.FanucMode = true;
        w.mnuReset_Click();
        w.mnuStart_Click();
        auto* view = w.findChild<QTableView*>("MessageListView");
        auto* dock = w.findChild<QDockWidget*>("MessageList");
        ASSERT_TRUE(view && dock);
        QAbstractItemModel* model = view->model();
        ASSERT_GE(model->rowCount(), 2) << w.MessageListText().toStdString();
        EXPECT_EQ(model->index(0, 0).data().toInt(), 4);
        EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("G01 X20 F0.2"));
        EXPECT_EQ(model->index(0, 3).data().toString(), QString::fromUtf8("小数点"));
        EXPECT_EQ(dock->windowTitle(), QString::fromUtf8("メッセージ一覧 (%1)").arg(model->rowCount()));
        // The run stopped at the error; both messages belong to line 4. A click selects it.
        EXPECT_EQ(model->index(1, 0).data().toInt(), 4);
        w.Program().setCursorPosition(0, 0);
        w.SelectMessageLine(1);
        EXPECT_EQ(w.Program().selectedText(), QStringLiteral("G01 X20 F0.2"));
        EXPECT_TRUE(w.MessageListText().startsWith(QString::fromUtf8("line 4: X20 に小数点がありません\n")));
        // The menu item of 表示 shows the pane.
        ASSERT_TRUE(w.findChild<QAction*>("mnuMessageList"));
        w.mnuReset_Click();
        EXPECT_EQ(model->rowCount(), 0);
        EXPECT_EQ(dock->windowTitle(), QString::fromUtf8("メッセージ一覧"));
        EXPECT_TRUE(w.MessageListText().isEmpty());

        // Opened, a program with problems on three lines runs as a batch through all of them:
        // the list and the margin's marks show them in order.
        Window opened(t.File("THREE.MIN",
            QStringLiteral("G50 S2000\r\nG00 X100. Z10.\r\nG96 S0 M03\r\nG01 X20. F0.2\r\nG00 X-300.\r\n"
                           "G00 X100.\r\nG01 Z-900. F0.2\r\nG00 Z10.\r\nM30\r\n")));
        ASSERT_TRUE(opened.Load());
        frmMain& o = *opened.w;
        o.show();
        o.findChild<QDockWidget*>("MessageList")->show();
        auto* list = o.findChild<QTableView*>("MessageListView");
        EXPECT_EQ(o.MessageListText(),
            QString::fromUtf8("line 4: 回転数が０です。\nline 5: X軸マイナス リミット オーバー\n"
                              "line 7: Z軸マイナス リミット オーバー\n"));
        const auto marked = [&o] {
            std::vector<int> lines;
            for (int line = 0; line < o.Program().lines(); ++line)
                if (o.Program().markersAtLine(line) & (1 << EditorMarks::MessageMarker))
                    lines.push_back(line + 1);
            return lines;
        };
        EXPECT_EQ(marked(), (std::vector<int> { 4, 5, 7 }));
        QApplication::processEvents();
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 2)).center());
        EXPECT_EQ(o.Program().selectedText(), QStringLiteral("G00 X-300."));
        o.mnuReset_Click();
        EXPECT_EQ(list->model()->rowCount(), 0);
        EXPECT_TRUE(marked().empty());
    }

} // namespace
} // namespace trazor
