// The calculator window under the offscreen platform: keys typed into the real window, what the
// display, the prompt line, the memory mark and the clipboard then show.

#include "calculator/calculator_texts.h"
#include "calculator/calculator_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace trazor {
namespace {

    QString Text(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    class CalculatorWindowTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            window = std::make_unique<CalculatorWindow>(false);
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            QGuiApplication::clipboard()->clear();
        }

        // Types `keys` into `target` (the window when null) as the keyboard would: '~' Shift,
        // '!' Esc, '<' Backspace, '\n' Enter, letters by their key.
        void type(const char* keys, QWidget* target = nullptr)
        {
            QWidget* receiver = target != nullptr ? target : window.get();
            for (const char* c = keys; *c != '\0'; ++c) {
                switch (*c) {
                case '~':
                    QTest::keyClick(receiver, Qt::Key_Shift);
                    break;
                case '!':
                    QTest::keyClick(receiver, Qt::Key_Escape);
                    break;
                case '<':
                    QTest::keyClick(receiver, Qt::Key_Backspace);
                    break;
                case '\n':
                    QTest::keyClick(receiver, Qt::Key_Return);
                    break;
                default:
                    QTest::keyClick(receiver, *c);
                }
            }
        }

        QString display() const { return window->findChild<QLabel*>("Readout")->text(); }
        QLabel* label(const char* name) const { return window->findChild<QLabel*>(name); }
        QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
        static bool highlighted(const QPushButton* b) { return b->property("highlighted").toBool(); }
        static QString clipboard() { return QGuiApplication::clipboard()->text(); }

        std::unique_ptr<CalculatorWindow> window;
    };

    TEST_F(CalculatorWindowTest, TitleControlsCaptionsAndTips)
    {
        EXPECT_EQ(window->objectName(), "frmCalc");
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(" 電卓"));
        EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(display(), "0.");
        EXPECT_EQ(label("LabelM")->text(), "M");
        EXPECT_FALSE(label("LabelM")->isVisible());
        EXPECT_FALSE(label("Label1")->isVisible());

        const struct {
            const char* name;
            const char* caption;
        } captions[] = {
            { "Decima", "." },
            { "Operator0", "/" },
            { "Operator1", "+" },
            { "Operator2", "X" },
            { "Operator3", "-" },
            { "Operator4", "=" },
            { "Cancel", "AC" },
            { "CancelEntry", "C" },
            { "MS", "Min" },
            { "MRead", "MR" },
            { "MP", "M+" },
            { "swSIN", "Sin" },
            { "swCOS", "Cos" },
            { "swTAN", "Tan" },
            { "swINV", "shift" },
            { "Pai", "PI" },
            { "PlasMuns", "+/-" },
            { "Command1", "N" },
            { "Command2", "V" },
            { "Command3", "F" },
            { "Command4", "T" },
        };
        for (const auto& c : captions) {
            ASSERT_NE(button(c.name), nullptr) << c.name;
            EXPECT_EQ(button(c.name)->text(), c.caption) << c.name;
        }
        for (int digit = 0; digit <= 9; ++digit)
            EXPECT_EQ(button(qPrintable(QString("Number%1").arg(digit)))->text(), QString::number(digit));
        for (const char* name : { "Square", "Gyakusu", "SQRT", "Command5" })
            EXPECT_NE(button(name), nullptr) << name;

        EXPECT_EQ(button("Command1")->toolTip(), QString::fromUtf8("回転数[N]"));
        EXPECT_EQ(button("Command2")->toolTip(), QString::fromUtf8("切削速度[V]"));
        EXPECT_EQ(button("Command3")->toolTip(), QString::fromUtf8("面粗さから送り速度[F]"));
        EXPECT_EQ(button("Command4")->toolTip(), QString::fromUtf8("加工時間 [G]"));
        EXPECT_EQ(button("Command5")->toolTip(), QString::fromUtf8("60進数[H] ，10進数[shift]+[H]"));
    }

    TEST_F(CalculatorWindowTest, TypedKeysShowAndCopy)
    {
        const struct {
            const char* keys;
            const char* display;
            const char* clipboard;
        } cases[] = {
            { "2+3*4=", "14", "14" },
            { "2*3+4\n", "10", "10" },
            { "-5+3=", "-2", "-2" },
            { "1/3\n", "0.333333333", "0.333" },
            { "5/0=", "Error", "5" },
            { "0~x", "0.", "" },
            { "2~s", "Error", "" },
            { "7+1<2=", "9", "9" },
            { "n150\n50\n", "955", "955" },
            { "V1000=40=", "126", "126" },
            { "F2=6.3=0.8=", "0.201", "0.201" },
            { "G1000=0.2=100=", "00:00:30.0", "00:00:30.0" },
            { "H30=15=0=", "30.25", "30.25" },
            { "30.25~h", "30'15'0", "30'15'0" },
        };
        for (const auto& c : cases) {
            type("!");
            QGuiApplication::clipboard()->clear();
            type(c.keys);
            EXPECT_EQ(display(), c.display) << c.keys;
            EXPECT_EQ(clipboard(), c.clipboard) << c.keys;
        }
    }

    TEST_F(CalculatorWindowTest, KeysWorkWhateverButtonHasTheFocus)
    {
        QPushButton* clearAll = button("Cancel");
        clearAll->setFocus();
        type("7+1", clearAll);
        type("\n", QApplication::focusWidget());
        EXPECT_EQ(display(), "8");
        // Digits and operators hand the focus to "=".
        EXPECT_EQ(QApplication::focusWidget(), button("Operator4"));
        QPushButton* seven = button("Number7");
        seven->setFocus();
        type(" ", seven); // Space is no calculator key: the focused button takes it
        EXPECT_EQ(display(), "7.");
    }

    TEST_F(CalculatorWindowTest, ClickedButtonsWorkLikeTheirKeys)
    {
        for (const char* name : { "Number4", "Operator2", "Number2", "Operator4", "SQRT" })
            QTest::mouseClick(button(name), Qt::LeftButton);
        EXPECT_EQ(display(), "2.828427125");
        EXPECT_EQ(clipboard(), "8");
    }

    TEST_F(CalculatorWindowTest, HighlightsOfShiftFormulaKeysAndFlashes)
    {
        type("~");
        EXPECT_TRUE(highlighted(button("swINV")));
        type("~");
        EXPECT_FALSE(highlighted(button("swINV")));

        type("G");
        EXPECT_TRUE(highlighted(button("Command4")));
        EXPECT_TRUE(label("Label1")->isVisible());
        EXPECT_EQ(label("Label1")->text(), Text(calc_texts::PromptSpindleSpeed));
        type("1000=0.2=100=");
        EXPECT_GE(label("Label1")->width(), window->TwipsToPixels(1150));
        EXPECT_EQ(label("Label1")->text(), Text(calc_texts::LabelMachiningTime));
        type("!");
        EXPECT_FALSE(highlighted(button("Command4")));
        EXPECT_FALSE(label("Label1")->isVisible());

        // A pressed digit shows the highlight for 0.1 s.
        type("7");
        EXPECT_TRUE(highlighted(button("Number7")));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !highlighted(button("Number7")); }, 1000));
    }

    TEST_F(CalculatorWindowTest, MemoryMark)
    {
        QLabel* mark = label("LabelM");
        type("5m");
        EXPECT_TRUE(mark->isVisible());
        type("!");
        EXPECT_TRUE(mark->isVisible());
        type("N");
        EXPECT_FALSE(mark->isVisible());
        type("!0m!");
        EXPECT_FALSE(mark->isVisible());
    }

    TEST_F(CalculatorWindowTest, PlacedNearTheScreenBottomAndClearedWhenActivated)
    {
        window->PlaceOnScreen();
        const QRect screen = window->screen()->geometry();
        const QRect frame = window->frameGeometry();
        const double pixelsPerTwip = window->logicalDpiX() / 1440.0;
        EXPECT_NEAR(frame.x() - screen.x(), 4570 * pixelsPerTwip, 1.0);
        EXPECT_NEAR(screen.y() + screen.height() - (frame.y() + frame.height()), 1000 * pixelsPerTwip, 1.0);

        type("5+");
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        EXPECT_EQ(display(), "5");
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_EQ(display(), "0.");
        type("3=");
        EXPECT_EQ(display(), "3");
    }

} // namespace
} // namespace trazor
