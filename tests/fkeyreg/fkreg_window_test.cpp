// The Fkreg window, driven offscreen on a temporary OSP folder.

#include "fkeyreg/fkreg_texts.h"
#include "fkeyreg/fkreg_window.h"
#include "key_file_samples.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace trazor {
namespace {

    using test::readBytes;
    using test::writeBytes;

    QString qText(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // Answers the next modal message box with OK and remembers what it said.
    class MessageBoxAnswer {
    public:
        MessageBoxAnswer()
        {
            QObject::connect(&timer_, &QTimer::timeout, [this] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr)
                    return;
                text = box->text();
                icon = box->icon();
                ++count;
                box->accept();
            });
            timer_.start(10);
        }

        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int count = 0;

    private:
        QTimer timer_;
    };

    class FkregWindow : public ::testing::Test {
    protected:
        FkregWindow()
        {
            ::setenv("TRAZOR_OSP_ROOT", (osp.path()).c_str(), 1);
            std::filesystem::create_directories(programFolder.path());
        }
        ~FkregWindow() override { ::unsetenv("TRAZOR_OSP_ROOT"); }

        std::filesystem::path pathFile() const { return osp.path() / "OSP-P" / "V-FKEY" / "LV01.INI"; }
        std::filesystem::path captionFile() const
        {
            return osp.path() / "OSP-P" / "V-FKEY" / "JPN" / "LV01.INI";
        }

        void install(const std::string& pathText, const std::string& captionText)
        {
            writeBytes(programFolder.path() / "Trazor", "");
            writeBytes(pathFile(), pathText);
            writeBytes(captionFile(), captionText);
        }

        template <typename T> T* control(Fkreg& form, const char* name) { return form.findChild<T*>(name); }

        test::TemporaryFolder osp;
        test::TemporaryFolder programFolder;
    };

    struct ClickCase {
        const char* name;
        std::string pathBefore;
        std::string captionBefore;
        std::string_view state; // Label2
        std::string_view button; // Command1
        QMessageBox::Icon icon;
        QString message;
        std::string pathAfter;
        std::string captionAfter;
    };

    TEST_F(FkregWindow, Command1RegistersOrRemovesAndReports)
    {
        using test::sampleCaptionFile;
        using test::samplePathFile;
        const std::string program = (programFolder.path() / "Trazor").string();
        const std::string unusable = test::crlfLines({ "[SuppPath]", "data1=x" });
        const std::vector<ClickCase> cases = {
            { "register", samplePathFile({ "data1=C:\\A\\a.exe", "data2=" }), sampleCaptionFile({ "data1=" }),
                fkreg_texts::StateUnregistered, fkreg_texts::RegisterCaption, QMessageBox::Warning,
                qText(fkreg_texts::Registered), samplePathFile({ "data1=C:\\A\\a.exe", "data2=" + program }),
                sampleCaptionFile({ "data1=トレーザー" }) },
            { "remove", samplePathFile({ "data1=/opt/Trazor" }), sampleCaptionFile({ "data1=トレーザー" }),
                fkreg_texts::StateRegistered, fkreg_texts::RemoveCaption, QMessageBox::Warning,
                qText(fkreg_texts::Removed), samplePathFile({ "data1=" }), sampleCaptionFile({ "data1=" }) },
            { "unusable path file", unusable, sampleCaptionFile({ "data1=" }), fkreg_texts::StateUnregistered,
                fkreg_texts::RegisterCaption, QMessageBox::Critical,
                QStringLiteral("\\V-FKEY\\LV01.INI")
                    + qText("ファイルの[SuppPath]セクションにdata2がありません。\n")
                    + qText(fkreg_texts::NothingChanged),
                unusable, sampleCaptionFile({ "data1=" }) },
        };
        for (const ClickCase& c : cases) {
            SCOPED_TRACE(c.name);
            install(c.pathBefore, c.captionBefore);
            Fkreg form(programFolder.path(), OspEnvironment::FromEnvironment());
            QSignalSpy ended(&form, &Fkreg::Ended);
            ASSERT_TRUE(form.Form_Load());
            form.show();
            EXPECT_EQ(control<QLabel>(form, "Label2")->text(), qText(c.state));
            QPushButton* command1 = control<QPushButton>(form, "Command1");
            ASSERT_EQ(command1->text(), qText(c.button));

            MessageBoxAnswer answer;
            command1->click();

            EXPECT_EQ(answer.count, 1);
            EXPECT_EQ(answer.icon, c.icon);
            EXPECT_EQ(answer.text, c.message);
            EXPECT_FALSE(form.isVisible());
            EXPECT_EQ(ended.count(), 1);
            EXPECT_EQ(readBytes(pathFile()), c.pathAfter);
            EXPECT_EQ(readBytes(captionFile()), c.captionAfter);
        }
    }

    TEST_F(FkregWindow, FixedTextsAndCancelWithoutWriting)
    {
        const std::string pathText = test::samplePathFile({ "data1=" });
        const std::string captionText = test::sampleCaptionFile({ "data1=" });
        install(pathText, captionText);
        Fkreg form(programFolder.path(), OspEnvironment::FromEnvironment());
        QSignalSpy ended(&form, &Fkreg::Ended);
        ASSERT_TRUE(form.Form_Load());
        form.show();
        EXPECT_EQ(form.windowTitle(), qText(fkreg_texts::WindowCaption));
        EXPECT_EQ(control<QLabel>(form, "Label1")->text(), qText(fkreg_texts::Introduction));
        EXPECT_EQ(control<QLabel>(form, "Label3")->text(), qText(fkreg_texts::KeyHint));
        EXPECT_FALSE(control<QLabel>(form, "Image1")->pixmap().isNull());
        QPushButton* command2 = control<QPushButton>(form, "Command2");
        EXPECT_EQ(command2->text(), qText(fkreg_texts::CancelCaption));

        command2->click();

        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(ended.count(), 1);
        EXPECT_EQ(readBytes(pathFile()), pathText);
        EXPECT_EQ(readBytes(captionFile()), captionText);
    }

    struct StartupCase {
        const char* name;
        bool program;
        bool pathFile;
        bool captionFile;
        std::string_view message;
    };

    TEST_F(FkregWindow, StartupChecksInOrder)
    {
        const std::vector<StartupCase> cases = {
            { "no program, no key files", false, false, false, fkreg_texts::ProgramMissing },
            { "no path file", true, false, true, fkreg_texts::PathFileMissing },
            { "no caption file", true, true, false, fkreg_texts::CaptionFileMissing },
        };
        for (const StartupCase& c : cases) {
            SCOPED_TRACE(c.name);
            std::filesystem::remove_all(programFolder.path() / "Trazor");
            std::filesystem::remove_all(osp.path() / "OSP-P");
            if (c.program)
                writeBytes(programFolder.path() / "Trazor", "");
            if (c.pathFile)
                writeBytes(pathFile(), test::samplePathFile({ "data1=" }));
            if (c.captionFile)
                writeBytes(captionFile(), test::sampleCaptionFile({ "data1=" }));

            Fkreg form(programFolder.path(), OspEnvironment::FromEnvironment());
            QSignalSpy ended(&form, &Fkreg::Ended);
            MessageBoxAnswer answer;
            EXPECT_FALSE(form.Form_Load());
            EXPECT_EQ(answer.count, 1);
            EXPECT_EQ(answer.text, qText(c.message));
            EXPECT_EQ(answer.icon, QMessageBox::Critical);
            EXPECT_EQ(ended.count(), 1);
            if (c.pathFile) {
                EXPECT_EQ(readBytes(pathFile()), test::samplePathFile({ "data1=" }));
            }
        }
    }

} // namespace
} // namespace trazor
