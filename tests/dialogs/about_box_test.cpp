// The version box.
#include "app/dialogs/about_box.h"
#include "app/dialogs/dialog_texts.h"
#include "dialog_test_support.h"

#include <QLabel>
#include <QPushButton>

namespace trazor::test {
namespace {

    namespace texts = trazor_texts;

    TEST(AboutBox, ShowsTitleAndVersion)
    {
        struct Case {
            ProgramVersion version;
            const char* text;
        };
        const Case cases[] = {
            { { 3, 1, 4 }, "Ver. 3.1.4" },
            { { 2, 75, 0 }, "Ver. 2.75.0" },
            { { 10, 0, 12 }, "Ver. 10.0.12" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            frmAbout dialog(c.version);
            EXPECT_EQ(Control<QLabel>(dialog, "lblTitle").text(), "Trazor");
            EXPECT_EQ(Control<QLabel>(dialog, "lblVersion").text(), c.text);
        }
    }

    TEST(AboutBox, ShowsTheVersionOfTheBuild)
    {
        frmAbout dialog;
        EXPECT_EQ(
            Control<QLabel>(dialog, "lblVersion").text(), QStringLiteral("Ver. " TRAZOR_PROJECT_VERSION));
    }

    TEST(AboutBox, NamesCaptionAndOk)
    {
        frmAbout dialog(ProgramVersion { 2, 75, 0 });
        EXPECT_EQ(dialog.objectName(), "frmAbout");
        EXPECT_EQ(dialog.windowTitle(), Q(texts::AboutCaption));
        auto& ok = Control<QPushButton>(dialog, "cmdOK");
        EXPECT_EQ(ok.text(), Q(texts::AboutOk));
        ExpectFixedSizeWithRoomForTexts(dialog);

        dialog.show();
        ok.click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
    }

} // namespace
} // namespace trazor::test
