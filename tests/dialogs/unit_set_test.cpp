// The unit dialog through its real option buttons and buttons.
#include "app/dialogs/dialog_texts.h"
#include "app/dialogs/unit_set.h"
#include "dialog_test_support.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace trazor::test {
namespace {

    namespace texts = trazor_texts;

    constexpr const char* OptionNames[] = { "Option1", "Option2", "Option3", "Option4" };

    TEST(UnitSetDialog, TheGivenUnitSelectsItsOption)
    {
        struct Case {
            double unit;
            int selected; // 1 to 4, 0 for none
        };
        const Case cases[]
            = { { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 4 }, { 0, 0 }, { 9, 0 }, { 2.5, 0 }, { -1, 0 } };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.unit);
            UnitSet dialog(c.unit);
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(Control<QRadioButton>(dialog, OptionNames[k - 1]).isChecked(), k == c.selected)
                    << k;
        }
    }

    TEST(UnitSetDialog, OkGivesTheNumberOfTheSelectedOption)
    {
        for (double given : { 1.0, 4.0, 0.0 }) {
            for (int chosen = 1; chosen <= 4; ++chosen) {
                SCOPED_TRACE(testing::Message() << "given " << given << ", chosen " << chosen);
                UnitSet dialog(given);
                Control<QRadioButton>(dialog, OptionNames[chosen - 1]).click();
                Control<QPushButton>(dialog, "Command1").click();
                EXPECT_EQ(dialog.result(), QDialog::Accepted);
                EXPECT_EQ(dialog.Unit(), chosen);
            }
        }
    }

    TEST(UnitSetDialog, CancelOrNoSelectionKeepsTheUnit)
    {
        UnitSet cancelled(2);
        Control<QRadioButton>(cancelled, "Option4").click();
        Control<QPushButton>(cancelled, "Command2").click();
        EXPECT_EQ(cancelled.result(), QDialog::Rejected);
        EXPECT_EQ(cancelled.Unit(), 2);

        UnitSet unselected(9);
        Control<QPushButton>(unselected, "Command1").click();
        EXPECT_EQ(unselected.result(), QDialog::Accepted);
        EXPECT_EQ(unselected.Unit(), 9);
    }

    TEST(UnitSetDialog, NamesCaptionsAndLayout)
    {
        UnitSet dialog(1);
        EXPECT_EQ(dialog.objectName(), "UnitSet");
        EXPECT_EQ(dialog.windowTitle(), Q(texts::UnitSetCaption));
        for (int k = 0; k < 4; ++k) {
            auto& option = Control<QRadioButton>(dialog, OptionNames[k]);
            EXPECT_EQ(option.text(), Q(texts::UnitOptions[k]));
            auto* frame = qobject_cast<QGroupBox*>(option.parentWidget());
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(frame->title(), Q(texts::UnitFrame));
        }
        EXPECT_EQ(Control<QPushButton>(dialog, "Command1").text(), Q(texts::UnitSetOk));
        EXPECT_EQ(Control<QPushButton>(dialog, "Command2").text(), Q(texts::Cancel));
        EXPECT_TRUE(Control<QPushButton>(dialog, "Command1").isDefault());
        ExpectFixedSizeWithRoomForTexts(dialog);
    }

} // namespace
} // namespace trazor::test
