#include "calculator/calculator_window.h"

#include "calculator/calculator_texts.h"
#include "calculator/keyboard_map.h"
#include "calculator/keypad_buttons.h"
#include "calculator/operator_screen.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace trazor {

namespace {

    QString Text(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // Geometry in twips.
    constexpr int Margin = 90;
    constexpr int DisplayHeight = 480;
    constexpr int PromptHeight = 300;
    constexpr int MarkWidth = 300;
    constexpr int ButtonWidth = 540;
    constexpr int ButtonHeight = 420;
    constexpr int Gap = 60;
    constexpr int Columns = 6;
    constexpr int Rows = 6;
    constexpr int FormWidth = 2 * Margin + Columns * ButtonWidth + (Columns - 1) * Gap;
    constexpr int KeypadTop = Margin + DisplayHeight + Gap / 2 + PromptHeight + Gap;
    constexpr int FormHeight = KeypadTop + Rows * ButtonHeight + (Rows - 1) * Gap + Margin;

    constexpr int FlashMilliseconds = 100;
    constexpr auto HighlightStyle = "background-color: #ffc850;";

    bool IsDigitOrOperator(CalcKey key) { return key <= CalcKey::Equals; }

} // namespace

CalculatorWindow::CalculatorWindow(bool onControl, QWidget* parent)
    : QWidget(parent)
    , engine_([this](const std::string& text) { CopyToClipboard(text); })
    , onControl_(onControl)
{
    setObjectName("frmCalc");
    setWindowTitle(Text(calc_texts::WindowTitle));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    CreateControls();
    setFixedSize(TwipsToPixels(FormWidth), TwipsToPixels(FormHeight));
    Refresh();
}

int CalculatorWindow::TwipsToPixels(int twips) const
{
    return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0));
}

void CalculatorWindow::CreateControls()
{
    const int innerWidth = FormWidth - 2 * Margin;

    readout_ = new QLabel(Text(calc_texts::InitialDisplay), this);
    readout_->setObjectName("Readout");
    readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    readout_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    readout_->setAutoFillBackground(true);
    QPalette readoutPalette = readout_->palette();
    readoutPalette.setColor(QPalette::Window, Qt::white);
    readoutPalette.setColor(QPalette::WindowText, Qt::black);
    readout_->setPalette(readoutPalette);
    QFont readoutFont = readout_->font();
    readoutFont.setPointSizeF(readoutFont.pointSizeF() * 1.5);
    readout_->setFont(readoutFont);
    readout_->setGeometry(TwipsToPixels(Margin), TwipsToPixels(Margin), TwipsToPixels(innerWidth),
        TwipsToPixels(DisplayHeight));

    const int promptTop = Margin + DisplayHeight + Gap / 2;
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1Width_ = TwipsToPixels(innerWidth - MarkWidth);
    label1_->setGeometry(
        TwipsToPixels(Margin), TwipsToPixels(promptTop), label1Width_, TwipsToPixels(PromptHeight));

    labelM_ = new QLabel(Text(calc_texts::MemoryMark), this);
    labelM_->setObjectName("LabelM");
    labelM_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labelM_->setGeometry(TwipsToPixels(Margin + innerWidth - MarkWidth), TwipsToPixels(promptTop),
        TwipsToPixels(MarkWidth), TwipsToPixels(PromptHeight));

    for (const KeypadButton& place : KeypadButtons()) {
        auto* button = new QPushButton(Text(place.caption), this);
        button->setObjectName(Text(place.name));
        const int left = Margin + place.column * (ButtonWidth + Gap);
        const int top = KeypadTop + place.row * (ButtonHeight + Gap);
        const int height = place.rowSpan * ButtonHeight + (place.rowSpan - 1) * Gap;
        button->setGeometry(
            TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(ButtonWidth), TwipsToPixels(height));
        button->installEventFilter(this);
        const CalcKey key = place.key;
        connect(button, &QPushButton::clicked, this, [this, key] { PressKey(key); });
        buttons_.insert(key, button);
    }

    buttons_.value(CalcKey::SpindleSpeed)->setToolTip(Text(calc_texts::TipSpindleSpeed));
    buttons_.value(CalcKey::CuttingSpeed)->setToolTip(Text(calc_texts::TipCuttingSpeed));
    buttons_.value(CalcKey::FeedFromRoughness)->setToolTip(Text(calc_texts::TipFeedFromRoughness));
    buttons_.value(CalcKey::MachiningTime)->setToolTip(Text(calc_texts::TipMachiningTime));
    buttons_.value(CalcKey::Degrees)->setToolTip(Text(calc_texts::TipDegrees));
}

void CalculatorWindow::PlaceOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    // move() places the frame; its height is known once the window is shown (before that the
    // client area stands in for it).
    const int left = area.x() + TwipsToPixels(4570);
    const int top = area.y() + area.height() - TwipsToPixels(1000) - frameGeometry().height();
    move(left, top);
}

void CalculatorWindow::PressKey(CalcKey key)
{
    const bool flashes = IsDigitOrOperator(key) || (key == CalcKey::Degrees && engine_.ShiftLatched());
    engine_.Press(key);
    if (flashes)
        Flash(buttons_.value(key));
    if (IsDigitOrOperator(key))
        buttons_.value(CalcKey::Equals)->setFocus();
    Refresh();
}

bool CalculatorWindow::HandleKey(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Shift:
        if (!event->isAutoRepeat())
            PressKey(CalcKeyFor(SpecialKey::Shift));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressKey(CalcKeyFor(SpecialKey::Enter));
        return true;
    case Qt::Key_Backspace:
        PressKey(CalcKeyFor(SpecialKey::Backspace));
        return true;
    case Qt::Key_Escape:
        PressKey(CalcKeyFor(SpecialKey::Escape));
        return true;
    default:
        break;
    }
    // Digits and operators by the character typed (the layout decides where "+" and "*" are),
    // letters by their key whatever the case.
    std::optional<CalcKey> key;
    const QString text = event->text();
    if (text.size() == 1 && QStringLiteral("0123456789.+-*/=").contains(text.front()))
        key = CalcKeyFor(static_cast<char>(text.front().unicode()), engine_.ShiftLatched());
    else if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        key = CalcKeyFor(static_cast<char>(event->key()), engine_.ShiftLatched());
    if (!key)
        return false;
    PressKey(*key);
    return true;
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event))
        QWidget::keyPressEvent(event);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Keys reach the window whatever button has the focus: a focused button would take Space or
    // Enter for itself.
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        raise();
        engine_.ClearAll();
        Refresh();
    }
}

void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    if (onControl_)
        BringOperatorScreenToFront();
    event->accept();
}

void CalculatorWindow::Flash(QPushButton* button)
{
    if (button == nullptr)
        return;
    ++flashes_[button];
    QTimer::singleShot(FlashMilliseconds, this, [this, button] {
        if (--flashes_[button] <= 0)
            flashes_.remove(button);
        Refresh();
    });
}

void CalculatorWindow::SetHighlighted(QPushButton* button, bool highlighted)
{
    if (button->property("highlighted").toBool() == highlighted)
        return;
    button->setProperty("highlighted", highlighted);
    button->setStyleSheet(highlighted ? HighlightStyle : "");
}

void CalculatorWindow::Refresh()
{
    readout_->setText(QString::fromStdString(engine_.Display()));

    const std::string& prompt = engine_.Prompt();
    label1_->setText(QString::fromStdString(prompt));
    label1_->setVisible(!prompt.empty());
    // The prompt line is wide enough for every prompt; a result that asks for a width gets at least it.
    label1_->resize(std::max(label1Width_, TwipsToPixels(engine_.PromptWidthTwips())), label1_->height());
    labelM_->setVisible(engine_.MemoryMarkVisible());

    const QString activeFormula = Text(FormulaKeyName(engine_.ActiveFormula()));
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        QPushButton* button = it.value();
        bool highlighted = flashes_.contains(button);
        if (it.key() == CalcKey::Shift)
            highlighted = highlighted || engine_.ShiftLatched();
        if (!activeFormula.isEmpty() && button->objectName() == activeFormula)
            highlighted = true;
        SetHighlighted(button, highlighted);
    }
}

void CalculatorWindow::CopyToClipboard(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace trazor
