// The main window's file and search commands through their real handlers, with files in a
// temporary folder: what is on disk afterwards, byte for byte, and what the user sees.
#include "app/dialogs/dialog_texts.h"
#include "app/files/file_texts.h"
#include "app/window/frm_main.h"
#include "app/window/program_editor.h"
#include "app/window/window_texts.h"
#include "dialog_waiter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <memory>

namespace trazor {
namespace {

    namespace texts = trazor_texts;

    QString Q(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    struct Window {
        QTemporaryDir dir;
        std::unique_ptr<frmMain> w;
        std::vector<QString> told; // texts of the message boxes, in order
        int answer = QMessageBox::No;

        Window()
        {
            w = std::make_unique<frmMain>(
                QString(), dir.filePath("Trazor.ini"), QStringLiteral(TRAZOR_BIN_DIR));
            w->askUser = [this](int, const QString&, const QString& text, int) {
                told.push_back(text);
                return answer;
            };
            w->Form_Load();
            w->Core().st.AutoStartOn = false;
        }
        QString Write(const QString& name, const QByteArray& bytes) const
        {
            const QString path = dir.filePath(name);
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return path;
        }
        static QByteArray Read(const QString& path)
        {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
        QString FileLabel() const { return w->findChild<QLabel*>("LabelFileName")->text(); }
        QStringList Recent() const
        {
            QStringList captions;
            for (QAction* action : w->findChildren<QAction*>("mnuFileRecentFile"))
                captions << (action->isVisible() ? action->text() : QString());
            return captions;
        }
    };

    // Types `text` at the end of the program, as the user would.
    void Type(ProgramEditor& editor, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        editor.SendScintilla(ProgramEditor::SCI_DOCUMENTEND);
        editor.SendScintilla(ProgramEditor::SCI_REPLACESEL, 0UL, bytes.constData());
        QCoreApplication::processEvents();
    }

    const QByteArray Cp932Comment = "(\x8d\x72\x89\xc1\x8d\x48)"; // "(荒加工)" in Shift-JIS

    TEST(ProgramFiles, UnchangedProgramsAreSavedByteForByte)
    {
        struct Case {
            const char* name;
            QByteArray bytes;
            QString shows; // a line the editor must show
        };
        const Case cases[] = {
            { "CP932, CR LF", "O1\r\nG0 X10. " + Cp932Comment + "\r\nM30\r\n", "G0 X10. (荒加工)" },
            { "CP932, LF, no last line end", "O1\n" + Cp932Comment + "\nM30", "(荒加工)" },
            { "UTF-8, LF", "O1\nG1 Z-5. (仕上げ)\nM30\n", "G1 Z-5. (仕上げ)" },
            { "UTF-8, CR LF, no last line end", "O1\r\nG1 Z-5. (仕上げ)\r\nM30", "M30" },
            { "mixed line ends, NUL, invalid byte", QByteArray("O1\r\nG0\0X1\nM30\xff\r\n", 17), "O1" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Window t;
            const QString path = t.Write("P.MIN", c.bytes);
            ASSERT_TRUE(t.w->LoadProgramFile(path));
            EXPECT_TRUE(t.w->Program().ProgramText().contains(c.shows));
            EXPECT_FALSE(t.w->Program().Modified());
            ASSERT_TRUE(t.w->SaveProgramFile(path));
            EXPECT_EQ(Window::Read(path), c.bytes);
            EXPECT_TRUE(t.told.empty());
        }
    }

    TEST(ProgramFiles, EditedCp932ProgramStaysCp932AndAskedAboutUtf8Only)
    {
        Window t;
        const QString path = t.Write("P.MIN", "O1\r\n" + Cp932Comment + "\r\n");
        ASSERT_TRUE(t.w->LoadProgramFile(path));
        Type(t.w->Program(), "M30\r\n");
        ASSERT_TRUE(t.w->SaveProgramFile(path));
        EXPECT_EQ(Window::Read(path), "O1\r\n" + Cp932Comment + "\r\nM30\r\n");
        Type(t.w->Program(), "(\xe2\x82\xac)"); // the euro sign has no CP932 code
        t.answer = QMessageBox::Cancel;
        EXPECT_FALSE(t.w->SaveProgramFile(path));
        EXPECT_EQ(t.told.size(), 1u);
        EXPECT_TRUE(t.w->Program().Modified());
        EXPECT_EQ(Window::Read(path), "O1\r\n" + Cp932Comment + "\r\nM30\r\n");
        t.answer = QMessageBox::Yes;
        EXPECT_TRUE(t.w->SaveProgramFile(path));
        EXPECT_EQ(Window::Read(path), "O1\r\n(荒加工)\r\nM30\r\n(€)");
    }

    TEST(ProgramFiles, RecentListKeepsDuplicatesAndAMissingFileChangesNothing)
    {
        Window t;
        const QString a = t.Write("A.MIN", "O1\r\n");
        const QString b = t.Write("B.MIN", "O2\r\n");
        for (const QString& path : { a, b, b })
            ASSERT_TRUE(t.w->LoadProgramFile(path));
        EXPECT_EQ(t.Recent(), QStringList({ b, b, a, "", "" }));

        QFile::remove(a);
        t.w->Program().SetProgramText(u"O9\r\n");
        t.w->mnuFileRecentFile_Click(3);
        ASSERT_EQ(t.told.size(), 1u);
        EXPECT_EQ(t.told[0], a + Q(texts::PathJoiner) + Q(texts::FileNotFound));
        EXPECT_EQ(t.Recent(), QStringList({ b, b, a, "", "" }));
        EXPECT_EQ(t.w->Program().ProgramText(), "O9\r\n");
    }

    TEST(ProgramFiles, OpeningStartsTheProgramAtItsFirstCharacter)
    {
        Window t;
        const QString path = t.Write("A.MIN", "G0 X100. Z10.\r\nG1 Z-20. F0.2\r\nM30\r\n");
        ASSERT_TRUE(t.w->LoadProgramFile(path));
        t.w->mnuStart_Click();
        t.w->Core().st.NextBlockStart = 20;
        t.w->mnuFileRecentFile_Click(1);
        // The reset after opening loaded the first line; one block runs it and shows the next.
        EXPECT_EQ(t.w->Core().st.BlockText, u"G0 X100. Z10.");
        t.w->Core().st.SingleBlockOn = true;
        t.w->mnuStart_Click();
        EXPECT_EQ(t.w->Core().st.TargetZ, 10);
        EXPECT_EQ(t.w->Program().selectedText(), "G1 Z-20. F0.2");
    }

    TEST(ProgramFiles, SaveAsUpperCasesTheFileNameOnly)
    {
        Window t;
        QDir(t.dir.path()).mkdir("sub");
        t.w->Program().SetProgramText(u"O1\r\n");
        t.w->Program().SetModified(true);
        const QString chosen = t.dir.filePath("sub/o1234.min");
        WhenDialogOpens("QFileDialog", [chosen](QDialog* dialog) {
            static_cast<QFileDialog*>(dialog)->selectFile(chosen);
            dialog->accept();
        });
        t.w->mnuFileSave_Click(); // untitled: Save As
        const QString upper = t.dir.filePath("sub/O1234.MIN");
        EXPECT_EQ(Window::Read(upper), "O1\r\n");
        EXPECT_FALSE(QFile::exists(chosen));
        EXPECT_EQ(t.FileLabel(), "O1234.MIN");
        EXPECT_EQ(t.w->CurrentFilePath(), upper);
        EXPECT_FALSE(t.w->Program().Modified());

        Type(t.w->Program(), "M30\r\n");
        t.w->mnuFileSave_Click();
        EXPECT_EQ(Window::Read(upper), "O1\r\nM30\r\n");
        EXPECT_TRUE(t.told.empty());
    }

    TEST(ProgramFiles, AFailedSaveIsToldAndKeepsTheMark)
    {
        Window t;
        const QString path = t.Write("A.MIN", "O1\r\n");
        t.Write("plain", "not a folder");
        QDir(t.dir.path()).mkdir("locked");
        const QString locked = t.Write("locked/B.MIN", "O2\r\n");
        QFile::setPermissions(t.dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        const bool lockedHolds = ::access(t.dir.filePath("locked").toLocal8Bit().constData(), W_OK) != 0;
        struct Case {
            QString path;
            QByteArray before; // what the path holds before, and must still hold
            bool applies;
        };
        const Case cases[] = {
            { t.dir.filePath("plain/A.MIN"), "<unreadable>", true },
            { locked, "O2\r\n", lockedHolds }, // not for root, who writes anywhere
        };
        ASSERT_TRUE(t.w->LoadProgramFile(path));
        Type(t.w->Program(), "M30\r\n");
        for (const Case& c : cases) {
            if (!c.applies)
                continue;
            SCOPED_TRACE(c.path.toStdString());
            t.told.clear();
            EXPECT_FALSE(t.w->SaveProgramFile(c.path));
            EXPECT_EQ(t.told.size(), 1u);
            EXPECT_TRUE(t.w->Program().Modified());
            EXPECT_TRUE(t.w->isWindowModified());
            EXPECT_EQ(Window::Read(c.path), c.before);
        }
        QFile::setPermissions(
            t.dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    TEST(ProgramFiles, SavingOverAFileChangedOnDiskAsksFirst)
    {
        Window t;
        const QString path = t.Write("A.MIN", "O1\r\n");
        ASSERT_TRUE(t.w->LoadProgramFile(path));
        t.Write("A.MIN", "O1\r\nG0 X1.\r\n"); // another program changed it
        Type(t.w->Program(), "M30\r\n");
        t.answer = QMessageBox::No;
        EXPECT_FALSE(t.w->SaveProgramFile(path));
        ASSERT_EQ(t.told.size(), 1u);
        EXPECT_TRUE(t.told[0].endsWith(Q(texts::ChangedOnDiskQuestion)));
        EXPECT_EQ(Window::Read(path), "O1\r\nG0 X1.\r\n");
        EXPECT_TRUE(t.w->Program().Modified());
        t.answer = QMessageBox::Yes;
        EXPECT_TRUE(t.w->SaveProgramFile(path));
        EXPECT_EQ(Window::Read(path), "O1\r\nM30\r\n");
        EXPECT_TRUE(t.w->SaveProgramFile(path)); // now the file is as saved: no question
        EXPECT_EQ(t.told.size(), 2u);
    }

    TEST(EditorSearch, FindsAndReplacesOnTheEditorAcrossMultibyteLinesInOneUndoStep)
    {
        Window t;
        const QString path
            = t.Write("A.MIN", "O1\r\n" + Cp932Comment + "G1 X1.\r\n(\x8d\x72)G1 X2.\r\nG1 X3.\r\n");
        ASSERT_TRUE(t.w->LoadProgramFile(path));
        ProgramEditor& editor = t.w->Program();
        const QString original = editor.ProgramText();

        t.told.clear();
        t.w->mnuEditNextFind_Click(); // nothing searched for yet: never found
        EXPECT_EQ(t.told.back(), "\"\"" + Q(texts::MenuNotFound));

        // The dialog, then "次を検索", select exactly the matches behind the multibyte comments.
        editor.setCursorPosition(0, 0);
        WhenDialogOpens("trazor::frmFind", [](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("txtFind")->setText("G1");
            dialog->findChild<QPushButton*>("NextFind")->click();
            dialog->findChild<QPushButton*>("CancelButton")->click();
        });
        t.w->mnuEditFind_Click();
        int line = 0, index = 0;
        for (int expectedLine : { 1, 2, 3 }) {
            if (expectedLine > 1)
                t.w->mnuEditNextFind_Click();
            EXPECT_EQ(editor.selectedText(), "G1");
            editor.getCursorPosition(&line, &index);
            EXPECT_EQ(line, expectedLine);
        }

        WhenDialogOpens("trazor::frmReplace", [](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("txtFind")->setText("G1");
            dialog->findChild<QLineEdit*>("txtReplace")->setText("G01");
            dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
            dialog->findChild<QPushButton*>("AllChange")->click();
            dialog->findChild<QPushButton*>("Cancel")->click();
        });
        t.w->mnuEditReplace_Click();
        EXPECT_EQ(editor.ProgramText(), "O1\r\n(荒加工)G01 X1.\r\n(荒)G01 X2.\r\nG01 X3.\r\n");
        EXPECT_EQ(t.told.back(), "3" + Q(texts::ReplacedCount));
        EXPECT_TRUE(editor.Modified());

        editor.undo();
        EXPECT_EQ(editor.ProgramText(), original);
    }

} // namespace
} // namespace trazor
