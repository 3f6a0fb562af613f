// The soft-limit dialog through its real fields and buttons.
#include "app/dialogs/dialog_texts.h"
#include "app/dialogs/soft_limit.h"
#include "dialog_test_support.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <limits>
#include <type_traits>

namespace trazor::test {
namespace {

    namespace texts = trazor_texts;

    constexpr const char* FieldNames[] = { "tPVLX", "tPVLZ", "tNVLX", "tNVLZ" };

    void Type(QLineEdit& field, const char* text)
    {
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClicks(&field, QString::fromUtf8(text));
    }

    TEST(SoftLimitDialog, FieldsShowTheLimitsAsShortestDecimals)
    {
        SoftLimit dialog(500, -200, 12.5, -0.1F);
        EXPECT_EQ(Control<QLineEdit>(dialog, "tPVLX").text(), "500");
        EXPECT_EQ(Control<QLineEdit>(dialog, "tPVLZ").text(), "-200");
        EXPECT_EQ(Control<QLineEdit>(dialog, "tNVLX").text(), "12.5");
        // The single limit in its own precision, not as the double it widens to.
        EXPECT_EQ(Control<QLineEdit>(dialog, "tNVLZ").text(), "-0.1");
    }

    TEST(SoftLimitDialog, OkReadsTheLeadingNumberOfEachField)
    {
        static_assert(std::is_same_v<decltype(SoftLimitValues::LimitMinusZ), float>);
        constexpr float infinity = std::numeric_limits<float>::infinity();
        struct Case {
            const char* text;
            double number; // LimitPlusX, LimitPlusZ, LimitMinusX
            float single; // LimitMinusZ
        };
        const Case cases[] = {
            { "123.4", 123.4, 123.4F },
            { "-50abc", -50, -50 },
            { "abc", 0, 0 },
            { "", 0, 0 },
            { "1e2", 100, 100 }, // an exponent belongs to the number, small e or capital E
            { "12.5.3", 12.5, 12.5F },
            { "+7", 7, 7 },
            { "-", 0, 0 },
            { " 5", 0, 0 }, // a leading blank is not part of a number
            { "-0.1", -0.1, -0.1F },
            { "1e39", 1e39, infinity }, // beyond the single range
            { "-1e39", -1e39, -infinity },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            SoftLimit dialog(500, 200, -200, -200);
            for (const char* name : FieldNames)
                Type(Control<QLineEdit>(dialog, name), c.text);
            Control<QPushButton>(dialog, "Command1").click();
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.Limits().LimitPlusX, c.number);
            EXPECT_EQ(dialog.Limits().LimitPlusZ, c.number);
            EXPECT_EQ(dialog.Limits().LimitMinusX, c.number);
            EXPECT_EQ(dialog.Limits().LimitMinusZ, c.single);
        }
    }

    // Different values in the four fields also show that each field goes to its own limit.
    TEST(SoftLimitDialog, OkWithoutEditsGivesBackTheSameLimits)
    {
        const SoftLimitValues given { 1234.567, 0.001, -987.654321, -0.1F };
        SoftLimit dialog(given);
        Control<QPushButton>(dialog, "Command1").click();
        EXPECT_EQ(dialog.Limits().LimitPlusX, given.LimitPlusX);
        EXPECT_EQ(dialog.Limits().LimitPlusZ, given.LimitPlusZ);
        EXPECT_EQ(dialog.Limits().LimitMinusX, given.LimitMinusX);
        EXPECT_EQ(dialog.Limits().LimitMinusZ, given.LimitMinusZ);
    }

    TEST(SoftLimitDialog, CancelAndEscapeKeepTheLimits)
    {
        for (bool escape : { false, true }) {
            SCOPED_TRACE(escape ? "Escape" : "Command2");
            SoftLimit dialog(500, 200, -200, -200);
            dialog.show();
            for (const char* name : FieldNames)
                Type(Control<QLineEdit>(dialog, name), "7");
            if (escape)
                QTest::keyClick(&Control<QLineEdit>(dialog, "tPVLX"), Qt::Key_Escape);
            else
                Control<QPushButton>(dialog, "Command2").click();
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.Limits().LimitPlusX, 500);
            EXPECT_EQ(dialog.Limits().LimitPlusZ, 200);
            EXPECT_EQ(dialog.Limits().LimitMinusX, -200);
            EXPECT_EQ(dialog.Limits().LimitMinusZ, -200);
        }
    }

    TEST(SoftLimitDialog, EnterInAFieldIsOk)
    {
        SoftLimit dialog(500, 200, -200, -200);
        dialog.show();
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        auto& field = Control<QLineEdit>(dialog, "tNVLX");
        Type(field, "-321");
        QTest::keyClick(&field, Qt::Key_Return);
        // The default button's click comes a moment after the key.
        ASSERT_TRUE(accepted.count() > 0 || accepted.wait(2000));
        EXPECT_EQ(dialog.Limits().LimitMinusX, -321);
    }

    TEST(SoftLimitDialog, NamesCaptionsAndLayout)
    {
        SoftLimit dialog(500, 200, -200, -200);
        EXPECT_EQ(dialog.objectName(), "SoftLimit");
        EXPECT_EQ(dialog.windowTitle(), Q(texts::SoftLimitCaption));
        EXPECT_EQ(Control<QPushButton>(dialog, "Command1").text(), Q(texts::SoftLimitOk));
        EXPECT_EQ(Control<QPushButton>(dialog, "Command2").text(), Q(texts::Cancel));
        EXPECT_TRUE(Control<QPushButton>(dialog, "Command1").isDefault());
        // Each field sits in its group behind its axis label.
        struct Place {
            const char* field;
            std::string_view group;
            std::string_view axis;
        };
        const Place places[] = {
            { "tPVLX", texts::PlusLimitGroup, texts::AxisX },
            { "tPVLZ", texts::PlusLimitGroup, texts::AxisZ },
            { "tNVLX", texts::MinusLimitGroup, texts::AxisX },
            { "tNVLZ", texts::MinusLimitGroup, texts::AxisZ },
        };
        for (const auto& place : places) {
            SCOPED_TRACE(place.field);
            auto& field = Control<QLineEdit>(dialog, place.field);
            auto* box = qobject_cast<QGroupBox*>(field.parentWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->title(), Q(place.group));
            auto* form = qobject_cast<QFormLayout*>(box->layout());
            ASSERT_NE(form, nullptr);
            auto* label = qobject_cast<QLabel*>(form->labelForField(&field));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), Q(place.axis));
            EXPECT_TRUE(form->labelAlignment() & Qt::AlignRight);
        }
        ExpectFixedSizeWithRoomForTexts(dialog);
    }

} // namespace
} // namespace trazor::test
