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
    constexpr int margin = 90;
    constexpr int displayHeight = 480;
    constexpr int promptHeight = 300;
    constexpr int markWidth = 300;
    constexpr int buttonWidth = 540;
    constexpr int buttonHeight = 420;
    constexpr int gap = 60;
    constexpr int columns = 6;
    constexpr int rows = 6;
    constexpr int formWidth = 2 * margin + columns * buttonWidth + (columns - 1) * gap;
    constexpr int keypadTop = margin + displayHeight + gap / 2 + promptHeight + gap;
    constexpr int formHeight = keypadTop + rows * buttonHeight + (rows - 1) * gap + margin;

    constexpr int flashMilliseconds = 100;
    constexpr auto highlightStyle = "background-color: #ffc850;";

    bool IsDigitOrOperator(CalcKey key) { return key <= CalcKey::Equals; }

} // namespace

CalculatorWindow::CalculatorWindow(bool onControl, QWidget* parent)
    : QWidget(parent)
    , engine_([this](const std::string& text) { copyToClipboard(text); })
    , onControl_(onControl)
{
    setObjectName("frmCalc");
    setWindowTitle(Text(calc_texts::windowTitle));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    createControls();
    setFixedSize(twipsToPixels(formWidth), twipsToPixels(formHeight));
    refresh();
}

int CalculatorWindow::twipsToPixels(int twips) const
{
    return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0));
}

void CalculatorWindow::createControls()
{
    const int innerWidth = formWidth - 2 * margin;

    readout_ = new QLabel(Text(calc_texts::initialDisplay), this);
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
    readout_->setGeometry(twipsToPixels(margin), twipsToPixels(margin), twipsToPixels(innerWidth),
        twipsToPixels(displayHeight));

    const int promptTop = margin + displayHeight + gap / 2;
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1Width_ = twipsToPixels(innerWidth - markWidth);
    label1_->setGeometry(
        twipsToPixels(margin), twipsToPixels(promptTop), label1Width_, twipsToPixels(promptHeight));

    labelM_ = new QLabel(Text(calc_texts::memoryMark), this);
    labelM_->setObjectName("LabelM");
    labelM_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labelM_->setGeometry(twipsToPixels(margin + innerWidth - markWidth), twipsToPixels(promptTop),
        twipsToPixels(markWidth), twipsToPixels(promptHeight));

    for (const KeypadButton& place : KeypadButtons()) {
        auto* button = new QPushButton(Text(place.caption), this);
        button->setObjectName(Text(place.name));
        const int left = margin + place.column * (buttonWidth + gap);
        const int top = keypadTop + place.row * (buttonHeight + gap);
        const int height = place.rowSpan * buttonHeight + (place.rowSpan - 1) * gap;
        button->setGeometry(
            twipsToPixels(left), twipsToPixels(top), twipsToPixels(buttonWidth), twipsToPixels(height));
        button->installEventFilter(this);
        const CalcKey key = place.key;
        connect(button, &QPushButton::clicked, this, [this, key] { pressKey(key); });
        buttons_.insert(key, button);
    }

    buttons_.value(CalcKey::SpindleSpeed)->setToolTip(Text(calc_texts::tipSpindleSpeed));
    buttons_.value(CalcKey::CuttingSpeed)->setToolTip(Text(calc_texts::tipCuttingSpeed));
    buttons_.value(CalcKey::FeedFromRoughness)->setToolTip(Text(calc_texts::tipFeedFromRoughness));
    buttons_.value(CalcKey::MachiningTime)->setToolTip(Text(calc_texts::tipMachiningTime));
    buttons_.value(CalcKey::Degrees)->setToolTip(Text(calc_texts::tipDegrees));
}

void CalculatorWindow::placeOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    // move() places the frame; its height is known once the window is shown (before that the
    // client area stands in for it).
    const int left = area.x() + twipsToPixels(4570);
    const int top = area.y() + area.height() - twipsToPixels(1000) - frameGeometry().height();
    move(left, top);
}

void CalculatorWindow::pressKey(CalcKey key)
{
    const bool flashes = IsDigitOrOperator(key) || (key == CalcKey::Degrees && engine_.shiftLatched());
    engine_.press(key);
    if (flashes)
        flash(buttons_.value(key));
    if (IsDigitOrOperator(key))
        buttons_.value(CalcKey::Equals)->setFocus();
    refresh();
}

bool CalculatorWindow::handleKey(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Shift:
        if (!event->isAutoRepeat())
            pressKey(CalcKeyFor(SpecialKey::Shift));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressKey(CalcKeyFor(SpecialKey::Enter));
        return true;
    case Qt::Key_Backspace:
        pressKey(CalcKeyFor(SpecialKey::Backspace));
        return true;
    case Qt::Key_Escape:
        pressKey(CalcKeyFor(SpecialKey::Escape));
        return true;
    default:
        break;
    }
    // Digits and operators by the character typed (the layout decides where "+" and "*" are),
    // letters by their key whatever the case.
    std::optional<CalcKey> key;
    const QString text = event->text();
    if (text.size() == 1 && QStringLiteral("0123456789.+-*/=").contains(text.front()))
        key = CalcKeyFor(static_cast<char>(text.front().unicode()), engine_.shiftLatched());
    else if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        key = CalcKeyFor(static_cast<char>(event->key()), engine_.shiftLatched());
    if (!key)
        return false;
    pressKey(*key);
    return true;
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Keys reach the window whatever button has the focus: a focused button would take Space or
    // Enter for itself.
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        raise();
        engine_.clearAll();
        refresh();
    }
}

void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    if (onControl_)
        BringOperatorScreenToFront();
    event->accept();
}

void CalculatorWindow::flash(QPushButton* button)
{
    if (button == nullptr)
        return;
    ++flashes_[button];
    QTimer::singleShot(flashMilliseconds, this, [this, button] {
        if (--flashes_[button] <= 0)
            flashes_.remove(button);
        refresh();
    });
}

void CalculatorWindow::setHighlighted(QPushButton* button, bool highlighted)
{
    if (button->property("highlighted").toBool() == highlighted)
        return;
    button->setProperty("highlighted", highlighted);
    button->setStyleSheet(highlighted ? highlightStyle : "");
}

void CalculatorWindow::refresh()
{
    readout_->setText(QString::fromStdString(engine_.display()));

    const std::string& prompt = engine_.prompt();
    label1_->setText(QString::fromStdString(prompt));
    label1_->setVisible(!prompt.empty());
    // The prompt line is wide enough for every prompt; a result that asks for a width gets at least it.
    label1_->resize(std::max(label1Width_, twipsToPixels(engine_.promptWidthTwips())), label1_->height());
    labelM_->setVisible(engine_.memoryMarkVisible());

    const QString activeFormula = Text(FormulaKeyName(engine_.activeFormula()));
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        QPushButton* button = it.value();
        bool highlighted = flashes_.contains(button);
        if (it.key() == CalcKey::Shift)
            highlighted = highlighted || engine_.shiftLatched();
        if (!activeFormula.isEmpty() && button->objectName() == activeFormula)
            highlighted = true;
        setHighlighted(button, highlighted);
    }
}

void CalculatorWindow::copyToClipboard(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace trazor
