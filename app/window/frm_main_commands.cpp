// The command surface of the main window, built from the command table: one QAction per
// command shared by its menu item, its key and its toolbar button; the two status bars; the
// dispatch of toolbar and panel keys to the same handlers.
#include "app/window/frm_main.h"

#include "app/window/panel_bar.h"
#include "app/window/window_texts.h"
#include "interpreter/command_places.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    QIcon CommandIcon(const char* key)
    {
        const QString path = QStringLiteral(":/icons/") + QString::fromUtf8(key);
        return QIcon(path);
    }

    // Position-display entries of the menu and the drop-down: every tool, none, T01..T12.
    QString PositionEntry(int index)
    {
        if (index == 0)
            return QStringLiteral("全工具");
        if (index == 1)
            return QStringLiteral("なし");
        return QStringLiteral("T%1").arg(index - 1, 2, 10, QLatin1Char('0'));
    }
}

void frmMain::BuildCommands()
{
    for (const CommandRow& row : CommandTable()) {
        if (row.name[0] == '-' || actions_.count(QString::fromLatin1(row.name)))
            continue;
        if (std::string_view(row.name) == "mnuFileRecentFile"
            || std::string_view(row.name) == "PostionDisplay")
            continue;
        auto* action = new QAction(Utf8(row.caption), this);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setCheckable(row.checkable);
        if (!row.shortcut.isEmpty()) {
            action->setShortcut(row.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (!row.tip.empty())
            action->setToolTip(Utf8(row.tip));
        if (row.toolbar != Toolbar::None)
            action->setIcon(CommandIcon(row.key));
        if (row.handler) {
            auto handler = row.handler;
            // Checkable actions flip their own check before the handler runs; the handler sets
            // it again from the state, so both stay in step.
            connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        } else {
            // Commands that come with later work are visible but not yet available.
            action->setEnabled(false);
        }
        addAction(action); // keys work while the menus are closed
        actions_[action->objectName()] = action;
    }
    for (int n = 0; n < 5; ++n) {
        auto* action = new QAction(QStringLiteral("RecentFile%1").arg(n + 1), this);
        action->setObjectName("mnuFileRecentFile");
        action->setProperty("index", n + 1);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, n] { mnuFileRecentFile_Click(n + 1); });
        recentFiles_[static_cast<std::size_t>(n)] = action;
    }
    for (int i = 0; i < 14; ++i) {
        auto* action = new QAction(PositionEntry(i), this);
        action->setObjectName("PostionDisplayT");
        action->setProperty("index", i);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { PostionDisplayT_Click(i); });
        postionDisplayT_[static_cast<std::size_t>(i)] = action;
    }
}

void frmMain::BuildMenus()
{
    std::map<QString, QMenu*> menus;
    for (const MenuRow& row : MenuTable()) {
        const QString parent = QString::fromLatin1(row.parent);
        QMenu* menu = nullptr;
        if (parent.isEmpty()) {
            menu = new QMenu(Utf8(row.caption), this);
            // Popup and mnuMessage are only ever shown as pop-up menus.
            if (std::string_view(row.name) != "Popup" && std::string_view(row.name) != "mnuMessage")
                menuBar()->addMenu(menu);
        } else {
            menu = new QMenu(Utf8(row.caption), menus.at(parent));
        }
        menu->setObjectName(QString::fromLatin1(row.name));
        menus[menu->objectName()] = menu;
    }
    for (const CommandRow& row : CommandTable()) {
        QMenu* menu = menus.at(QString::fromLatin1(row.menu));
        const std::string_view name = row.name;
        if (name == "-") {
            menu->addSeparator();
        } else if (name == "mnuFileRecentFile") {
            for (QAction* action : recentFiles_)
                menu->addAction(action);
        } else if (name == "PostionDisplay") {
            QMenu* sub = menus.at("PostionDisplay");
            for (QAction* action : postionDisplayT_)
                sub->addAction(action);
            menu->addMenu(sub);
        } else {
            menu->addAction(actions_.at(QString::fromLatin1(row.name)));
        }
        // Submenus sit where their first entry would: mnuSNAP after the mirror items.
        if (name == "mnuG2mirror")
            menu->addMenu(menus.at("mnuSNAP"));
    }
    mnuEdit_ = menus.at("mnuEdit");
    popup_ = menus.at("Popup");
    mnuMessage_ = menus.at("mnuMessage");
}

void frmMain::BuildToolbars(QWidget* parent)
{
    toolbar1_ = new QToolBar(parent);
    toolbar1_->setObjectName("Toolbar1");
    toolbar1_->setIconSize(QSize(16, 16));
    toolbar2_ = new QToolBar(parent);
    toolbar2_->setObjectName("Toolbar2");
    toolbar2_->setIconSize(QSize(16, 16));

    // Toolbar1 by index, separators included, so that the indices are the control's.
    std::map<int, const CommandRow*> byIndex;
    for (const CommandRow& row : CommandTable())
        if (row.toolbar == Toolbar::Main)
            byIndex[row.button] = &row;
    for (int index = 1; index <= place::DrawPrint.button; ++index) {
        if (std::find(std::begin(Toolbar1Separators), std::end(Toolbar1Separators), index)
            != std::end(Toolbar1Separators)) {
            toolbar1_->addSeparator()->setProperty("index", index);
            continue;
        }
        if (index == place::PositionDisplay.button) {
            posDisplay_ = new QToolButton(toolbar1_);
            posDisplay_->setObjectName("PosDisplay");
            posDisplay_->setProperty("index", index);
            posDisplay_->setIcon(CommandIcon("PosDisplay"));
            posDisplay_->setToolTip("座標表示");
            posDisplay_->setAccessibleDescription("座標表示");
            posDisplay_->setCheckable(true);
            posDisplay_->setPopupMode(QToolButton::MenuButtonPopup);
            posDisplayMenu_ = new QMenu(posDisplay_);
            for (int entry = 1; entry <= 14; ++entry) {
                QAction* item = posDisplayMenu_->addAction(QStringLiteral("   ") + PositionEntry(entry - 1));
                item->setProperty("index", entry);
                connect(
                    item, &QAction::triggered, this, [this, entry] { PosDisplay_ButtonMenuClick(entry); });
            }
            posDisplay_->setMenu(posDisplayMenu_);
            connect(posDisplay_, &QToolButton::clicked, this, [this] { Toolbar1_ButtonClick("PosDisplay"); });
            toolbar1_->addWidget(posDisplay_);
            continue;
        }
        const CommandRow* row = byIndex.at(index);
        QAction* action = actions_.at(QString::fromLatin1(row->name));
        toolbar1_->addAction(action);
        QWidget* button = toolbar1_->widgetForAction(action);
        button->setObjectName(QString::fromUtf8(row->key));
        button->setProperty("index", index);
        button->setAccessibleDescription(Utf8(row->tip));
    }
    for (const CommandRow& row : CommandTable()) {
        if (row.toolbar != Toolbar::Edit)
            continue;
        QAction* action = actions_.at(QString::fromLatin1(row.name));
        // The edit toolbar's save button has its own tip; the shared action keeps the one of
        // the main toolbar where it has both.
        toolbar2_->addAction(action);
        QWidget* button = toolbar2_->widgetForAction(action);
        button->setObjectName(QString::fromUtf8(row.key));
        button->setToolTip(Utf8(row.tip));
        button->setAccessibleDescription(Utf8(row.tip));
    }
}

QToolButton* frmMain::Toolbar1Button(int index) const
{
    if (index == place::PositionDisplay.button)
        return posDisplay_;
    for (QToolButton* button : toolbar1_->findChildren<QToolButton*>())
        if (button->property("index").toInt() == index)
            return button;
    return nullptr;
}

void frmMain::BuildStatusBars(QWidget* parent)
{
    sbStatusBar_ = new PanelBar("sbStatusBar", StatusBarPanels(), parent);
    statusBarF_ = new PanelBar("StatusBarF", FunctionKeyPanels(), parent);
    statusBarF_->hide();
    // The mode and switch panels are buttons: raised until their switch is on.
    for (int number = 2; number <= sbStatusBar_->Count(); ++number)
        sbStatusBar_->SetInset(number, false);
    for (int number = 2; number <= statusBarF_->Count(); ++number)
        statusBarF_->SetInset(number, false);
    connect(sbStatusBar_, &PanelBar::PanelClick, this, &frmMain::sbStatusBar_PanelClick);
    connect(statusBarF_, &PanelBar::PanelClick, this, &frmMain::StatusBarF_PanelClick);
}

void frmMain::Toolbar1_ButtonClick(const QString& key)
{
    static const std::map<QString, void (frmMain::*)()> handlers = {
        { "Open", &frmMain::mnuOpen_Click },
        { "Start", &frmMain::mnuStart_Click },
        { "Stop", &frmMain::mnuStop_Click },
        { "Reset", &frmMain::mnuReset_Click },
        { "Restart", &frmMain::mnuRestart_Click },
        { "SingleBlock", &frmMain::mnuSingleBlock_Click },
        { "BlockDelete", &frmMain::mnuBlockDelete_Click },
        { "OptionalStop", &frmMain::mnuOptionalStop_Click },
        { "T_Clear", &frmMain::mnuTclear_Click },
        { "Clear", &frmMain::mnuClear_Click },
        { "Standerd", &frmMain::mnuStanderd_Click },
        { "BackColorChange", &frmMain::mnuBackcolor_Click },
        { "Yajirusi", &frmMain::mnuYajirusi_Click },
        { "mnuBturretuper", &frmMain::mnuBturretUper_Click },
        { "TDisplay", &frmMain::ToolNumberDisplay_Click },
        { "ColorChange", &frmMain::mnuColorChange_Click },
        { "ImageCopy", &frmMain::mnuScreenPrint_Click },
        { "DrawPrint", &frmMain::mnuDrawPrint_Click },
    };
    if (key == "PosDisplay") {
        // The button's own toggle has already happened: pressed now means it was released.
        PostionDisplayT_Click(in_.st.CoordinateDisplayOn ? 1 : 0);
        return;
    }
    auto found = handlers.find(key);
    if (found != handlers.end())
        (this->*(found->second))();
}

void frmMain::Toolbar2_ButtonClick(const QString& key)
{
    static const std::map<QString, void (frmMain::*)()> handlers = {
        { "Save", &frmMain::mnuFileSave_Click },
        { "Undo", &frmMain::mnuEditUndo_Click },
        { "Cut", &frmMain::mnuEditCut_Click },
        { "Copy", &frmMain::mnuEditCopy_Click },
        { "Paste", &frmMain::mnuEditPaste_Click },
        { "電卓", &frmMain::mnuEditCalculator_Click },
    };
    auto found = handlers.find(key);
    if (found != handlers.end())
        (this->*(found->second))();
}

void frmMain::StatusBarF_PanelClick(const QString& key)
{
    // The function-key bar's panels are the operator panel's keys.
    if (key == "Alarm")
        return;
    Toolbar1_ButtonClick(key);
}

void frmMain::sbStatusBar_PanelClick(const QString& key)
{
    if (key == "Unit")
        mnuUnitSet_Click();
    else if (key == "Xsnap")
        mnuXsnap_Click();
    else if (key == "Zsnap")
        mnuZsnap_Click();
    else if (key == "Control")
        mnuPointCheck_Click();
    else if (key == "NoseR")
        mnuNoseRDisplay_Click();
    else if (key == "Caps Lock" || key == "INS" || key == "NUM")
        ToggleLockKey(key);
}

void frmMain::ShowToolbarStates()
{
    // What the buttons show after a click: pressed while their switch is on.
    const InterpreterState& st = in_.st;
    const std::pair<int, bool> states[] = {
        { place::SingleBlock.button, st.SingleBlockOn },
        { place::BlockDelete.button, st.BlockDeleteOn },
        { place::OptionalStop.button, st.OptionalStopOn },
        { place::ClearPerTool.button, st.ClearPerTool },
        { place::ToolNumberDisplay.button, st.ToolLabelOn },
        { place::PositionDisplay.button, st.CoordinateDisplayOn },
        { place::BTurretUpper.button, !st.BTurretMinusSide },
        { place::RapidArrow.button, st.RapidArrowOn },
        { place::ColourPerTool.button, st.ColourPerTool },
        { place::BackColourChange.button, st.WhiteBackground },
    };
    for (auto [index, on] : states)
        if (QToolButton* button = Toolbar1Button(index))
            button->setChecked(on);
}

void frmMain::UpdateModeStatus()
{
    const bool fanuc = in_.st.FanucMode;
    sbStatusBar_->SetText(5, Utf8(fanuc ? trazor_texts::ControlFanuc : trazor_texts::ControlOsp));
    const QString mode = Utf8(fanuc ? trazor_texts::PointCheckOn : trazor_texts::PointCheckOff)
        + Utf8(in_.st.VerticalView ? trazor_texts::VerticalLathe : trazor_texts::HorizontalLathe);
    sbStatusBar_->SetText(1, mode);
}

void frmMain::ShowUnitStatus()
{
    const double unit = in_.st.Unit;
    if (unit == 1 || unit == 2 || unit == 3 || unit == 4)
        sbStatusBar_->SetText(6, Utf8(trazor_texts::UnitTexts[static_cast<int>(unit) - 1]));
}

void frmMain::mnuFkey_Click()
{
    functionKeyBarOn_ = !functionKeyBarOn_;
    statusBarF_->setVisible(functionKeyBarOn_);
    sbStatusBar_->setVisible(!functionKeyBarOn_);
    Action("mnuFkey")->setChecked(functionKeyBarOn_);
}

} // namespace trazor
