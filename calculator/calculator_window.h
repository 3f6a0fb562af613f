#pragma once

// The calculator window frmCalc, titled " 電卓": display, prompt line, memory mark and the keypad.
// It stays on top, clears all each time it becomes active, and puts every completed value on the
// clipboard. The arithmetic and the formula modes are the KeypadEngine's; the window forwards
// clicks and keys to it and shows what it holds.

#include "calculator/keypad_engine.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;
class QKeyEvent;

namespace trazor {

class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    // `onControl`: the program runs on the OSP control (the marker file existed at start); closing
    // then brings the control's operator screen to the front.
    explicit CalculatorWindow(bool onControl, QWidget* parent = nullptr);

    // Left edge 4570 twips from the screen's left, bottom 1000 twips above the screen's bottom.
    void PlaceOnScreen();

    // Presses one key as its button or its keyboard key would.
    void PressKey(CalcKey key);

    // Pixels of `twips` at this window's logical resolution (15 twips a pixel at 96 DPI).
    int TwipsToPixels(int twips) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    bool HandleKey(QKeyEvent* event);
    void Flash(QPushButton* button);
    void Refresh();
    void SetHighlighted(QPushButton* button, bool highlighted);
    void CopyToClipboard(const std::string& text);

    KeypadEngine engine_;
    bool onControl_;

    QLabel* readout_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* labelM_ = nullptr;
    QHash<CalcKey, QPushButton*> buttons_;
    QHash<QPushButton*, int> flashes_; // flashes running per button
    int label1Width_ = 0; // pixels, the prompt line's own width
};

} // namespace trazor
