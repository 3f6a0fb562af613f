// Construction of the main window and the layout of its panes.
#include "app/window/frm_main.h"

#include "app/window/panel_bar.h"
#include "app/window/path_pane.h"
#include "app/window/program_editor.h"
#include "app/window/readout_block.h"
#include "app/window/twips.h"
#include "app/window/window_texts.h"
#include "interpreter/run_control.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolBar>
#include <QVBoxLayout>

// The toolbar icons are compiled into this static library; its resources are registered by hand.
static void InitWindowResources() { Q_INIT_RESOURCE(icons); }

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // The speed slider jumps to a click on its track, as the control's does.
    class OverrideSlider : public QSlider {
    public:
        using QSlider::QSlider;
        std::function<void(double)> onPress; // click x in twips of the slider's own width units

    protected:
        void mousePressEvent(QMouseEvent* event) override
        {
            if (event->button() == Qt::LeftButton && onPress) {
                // The control's slider is 1245 units wide on its track (90 .. 1245).
                onPress(event->position().x() / std::max(1, width()) * 1335.0);
            }
            QSlider::mousePressEvent(event);
        }
    };

    QFrame* SeparatorLine(const char* name, QWidget* parent)
    {
        auto* line = new QFrame(parent);
        line->setObjectName(name);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
}

frmMain::frmMain(QString commandLine, QString settingsPath, QString programFolder)
    : commandLine_(std::move(commandLine))
    , settingsPath_(std::move(settingsPath))
    , programFolder_(
          programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(programFolder))
    , in_(panes_.trace, panes_.xScale, panes_.zScale, *this)
{
    InitWindowResources();
    setObjectName("frmMain");
    setWindowTitle(Utf8(trazor_texts::WindowTitle));
    BuildCommands();
    BuildPanes();
    BuildMenus();
    BuildMessageList();
    BuildPathPaneInput();
    BuildMoveTools();
    sinceFlush_.start();
}

frmMain::~frmMain() = default;

void frmMain::BuildPanes()
{
    auto* central = new QWidget(this);
    central->setObjectName("frmMainClient");
    setCentralWidget(central);

    BuildToolbars(central);
    line1_ = SeparatorLine("Line1", central);
    line2_ = SeparatorLine("Line2", central);

    trace1_ = new PathPane(panes_, central);
    for (RasterSurface* surface : { &panes_.trace, &panes_.xScale, &panes_.zScale })
        surface->SetBackColour(Rgb(0, 0, 0));

    BuildReadouts(central);

    program_ = new ProgramEditor(central);
    editorText_ = new EditorTextAdapter(*program_);
    connect(program_, &ProgramEditor::EditMenuRequested, this,
        [this](QPoint at) { Program_MouseDown(Qt::RightButton, at); });
    connect(
        program_, &ProgramEditor::ProgramChanged, this, [this] { setWindowModified(program_->Modified()); });

    xPos_ = new QLabel("X", central);
    xPos_->setObjectName("Xpos");
    zPos_ = new QLabel("Z", central);
    zPos_->setObjectName("Zpos");
    for (QLabel* pos : { xPos_, zPos_ }) {
        pos->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pos->setMinimumWidth(pos->fontMetrics().horizontalAdvance("X-00000.000") + 8);
        pos->setToolTip("マウス位置の座標");
    }

    BuildStatusBars(central);
}

void frmMain::BuildReadouts(QWidget* parent)
{
    readouts_ = new ReadoutBlock(parent);

    labelFileName_ = new QLabel(Utf8(trazor_texts::Untitled), parent);
    labelFileName_->setObjectName("LabelFileName");
    labelFileName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    labelFileName_->setToolTip("編集中のプログラム");

    auto* slider = new OverrideSlider(Qt::Horizontal, parent);
    slider->setObjectName("Slider");
    slider->setRange(0, 100);
    slider->setValue(100);
    slider->setPageStep(10);
    slider->setToolTip(Utf8(trazor_texts::SliderCaption));
    slider->setAccessibleName(Utf8(trazor_texts::SliderCaption));
    slider->onPress = [this](double x) {
        if (std::optional<int> value = SliderValueForClick(x))
            slider_->setValue(*value);
    };
    connect(slider, &QSlider::valueChanged, this, &frmMain::Slider_Scroll);
    slider_ = slider;
    auto* sliderCaption = new QLabel(Utf8(trazor_texts::SliderCaption), parent);
    sliderCaption->setObjectName("SliderCaption");
    sliderCaption->setBuddy(slider);

    excelOut_ = new QPushButton(Utf8(trazor_texts::ExcelOutCaption), parent);
    excelOut_->setObjectName("ExcelOut");
    excelOut_->setToolTip(Utf8(trazor_texts::ExcelOutTip));
    connect(excelOut_, &QPushButton::clicked, this, &frmMain::ExcelOut_Click);
}

QAction* frmMain::Action(const char* menuName) const
{
    auto found = actions_.find(QString::fromLatin1(menuName));
    return found == actions_.end() ? nullptr : found->second;
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const Twips twips = Twips::ForWidget(this);
    // The layout is given for the window's outer size in twips; the client area starts below the
    // menu bar, as on the control's forms.
    const QSize outer = twips.ToTwips(frameGeometry().size());
    const double w = outer.width();
    const double h = outer.height();
    QWidget* client = centralWidget();
    const int clientHeight = client->height();

    // The main toolbar runs along the top; the edit toolbar sits with the editor it acts on.
    const int toolbarHeight = toolbar1_->sizeHint().height();
    toolbar1_->setGeometry(0, 0, toolbar1_->sizeHint().width(), toolbarHeight);

    const int barHeight = sbStatusBar_->sizeHint().height();
    for (PanelBar* bar : { sbStatusBar_, statusBarF_ })
        bar->setGeometry(0, clientHeight - barHeight, client->width(), barHeight);
    const int bottom = clientHeight - barHeight - 2; // nothing may run under the status bar

    const int top = std::max(twips.ToPixels(550), toolbarHeight + 4);
    line1_->setGeometry(0, toolbarHeight, twips.ToPixels(w), 2);
    line2_->setGeometry(0, top - 2, twips.ToPixels(w), 2);

    QRect pane = twips.ToPixels(4460, 550, w - 3460 - 200 - 900, h - 1650 - 20 - 50);
    pane.setTop(top);
    pane.setRight(std::min(pane.right(), client->width() - 4));
    pane.setBottom(std::min(pane.bottom(), bottom));
    trace1_->setGeometry(pane);

    QRect editor = twips.ToPixels(120, 3680, 4335, h - 4650 - 200);
    editor.setBottom(std::min(std::max(editor.bottom(), editor.top() + 40), bottom));
    editor.setRight(std::min(editor.right(), pane.left() - 4));

    // The readout block, the file label and the speed row fill the column above the editor.
    const int left = editor.left();
    const int width = editor.width();
    const int rowHeight = std::max(slider_->sizeHint().height(), excelOut_->sizeHint().height());
    const int fileHeight = labelFileName_->sizeHint().height();
    int y = top;
    const int readoutHeight = std::max(readouts_->sizeHint().height(),
        editor.top() - top - rowHeight - fileHeight - toolbar2_->sizeHint().height() - 6);
    readouts_->setGeometry(left, y, width, readoutHeight);
    y += readoutHeight + 2;
    QLabel* sliderCaption = client->findChild<QLabel*>("SliderCaption");
    const int captionWidth = sliderCaption->sizeHint().width();
    const int buttonWidth = excelOut_->sizeHint().width();
    sliderCaption->setGeometry(left, y, captionWidth, rowHeight);
    slider_->setGeometry(left + captionWidth + 4, y, width - captionWidth - buttonWidth - 10, rowHeight);
    excelOut_->setGeometry(left + width - buttonWidth, y, buttonWidth, rowHeight);
    y += rowHeight + 2;
    labelFileName_->setGeometry(left, y, width, fileHeight);
    y += fileHeight + 2;
    const QSize editBar = toolbar2_->sizeHint();
    toolbar2_->setGeometry(left, y, std::min(width, editBar.width()), editBar.height());
    y += editBar.height();
    editor.setTop(std::max(editor.top(), y));
    program_->setGeometry(editor);

    // Position readouts at the top right, Zpos rightmost, Xpos just left of it.
    const QSize posSize = zPos_->sizeHint().expandedTo(QSize(zPos_->minimumWidth(), 0));
    QPoint zAt(std::min(twips.ToPixels(w - 1670), client->width() - posSize.width() - 4),
        (toolbarHeight - posSize.height()) / 2);
    zPos_->setGeometry(QRect(zAt, posSize));
    xPos_->setGeometry(QRect(QPoint(zAt.x() - posSize.width() - 4, zAt.y()), posSize));

    // The Z ruler stays on the viewport's bottom edge (the X ruler is at its left edge already);
    // the view itself changes only with the view commands.
    PaneLayout zRuler = panes_.zScale.GetLayout();
    if (zRuler.height > 0) {
        zRuler.top = twips.ToTwips(pane.height()) - zRuler.height;
        panes_.zScale.SetLayout(zRuler);
    }
    trace1_->SyncToSurfaces();
    PlaceMeasureReadout();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

int frmMain::Ask(int icon, const QString& title, const QString& text, int buttons)
{
    if (askUser)
        return askUser(icon, title, text, buttons);
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), title, text,
        static_cast<QMessageBox::StandardButtons>(buttons), this);
    return box.exec();
}

} // namespace trazor
