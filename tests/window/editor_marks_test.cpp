// The marks in the editor's margin: message marks and the next-block arrow following edits on a
// bare editor, and in the main window through its handlers; the message list's export against
// the headless checker's report of the same file.
#include "app/window/editor_marks.h"
#include "app/window/frm_main.h"
#include "app/window/program_editor.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>

namespace trazor {
namespace {

    using Sci = QsciScintillaBase;

    // The 0-based lines carrying `marker`, from the top.
    std::vector<int> LinesWith(ProgramEditor& editor, int marker)
    {
        std::vector<int> lines;
        for (int line = 0; line < editor.lines(); ++line)
            if (editor.markersAtLine(line) & (1 << marker))
                lines.push_back(line);
        return lines;
    }

    // The tooltip shown while the mouse rests on the symbol margin (or, with `inText`, on the
    // text) of `line`.
    QString ToolTipOn(ProgramEditor& editor, int line, bool inText = false)
    {
        // A hidden tooltip fades out for a moment; the one looked for is the next shown.
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
        const long top = editor.SendScintilla(
            Sci::SCI_POINTYFROMPOSITION, 0UL, editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, line));
        const long left = editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0);
        const long symbols = editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, EditorMarks::SymbolMargin);
        const QPoint at(
            static_cast<int>(inText ? left + symbols + 20 : left + symbols / 2), static_cast<int>(top + 2));
        QHelpEvent event(QEvent::ToolTip, at, editor.viewport()->mapToGlobal(at));
        QApplication::sendEvent(editor.viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    TEST(EditorMarks, MessageMarksStayWithTheirLinesAndJoinWhereLinesJoin)
    {
        struct Expected {
            int line;
            QStringList messages;
        };
        const struct {
            const char* name;
            std::function<void(ProgramEditor&)> edit;
            std::vector<Expected> marks;
        } cases[] = {
            { "no edit", [](ProgramEditor&) {},
                { { 1, { "a" } }, { 2, { "b", "c" } }, { 4, { "d" } }, { 6, { "e" } } } },
            { "a line inserted at the top",
                [](ProgramEditor& e) { e.SendScintilla(Sci::SCI_INSERTTEXT, 0UL, "NEW\r\n"); },
                { { 2, { "a" } }, { 3, { "b", "c" } }, { 5, { "d" } }, { 7, { "e" } } } },
            { "typing within a marked line", [](ProgramEditor& e) { e.insertAt("G0", 2, 1); },
                { { 1, { "a" } }, { 2, { "b", "c" } }, { 4, { "d" } }, { 6, { "e" } } } },
            { "two marked lines joined",
                [](ProgramEditor& e) {
                    e.setSelection(1, 2, 2, 0);
                    e.removeSelectedText();
                },
                { { 1, { "a", "b", "c" } }, { 3, { "d" } }, { 5, { "e" } } } },
            { "two joins before the marks look again",
                [](ProgramEditor& e) {
                    e.setSelection(1, 2, 2, 0);
                    e.removeSelectedText();
                    e.setSelection(3, 2, 5, 2);
                    e.removeSelectedText();
                },
                { { 1, { "a", "b", "c" } }, { 3, { "e", "d" } } } },
            { "four whole lines deleted",
                [](ProgramEditor& e) {
                    e.setSelection(1, 0, 5, 0);
                    e.removeSelectedText();
                },
                { { 1, { "a", "b", "d", "c" } }, { 2, { "e" } } } },
            { "all but the first line deleted",
                [](ProgramEditor& e) {
                    e.setSelection(0, 2, 8, 0);
                    e.removeSelectedText();
                },
                { { 0, { "a", "b", "e", "d", "c" } } } },
            { "everything deleted: the marks go with the text",
                [](ProgramEditor& e) {
                    e.selectAll();
                    e.removeSelectedText();
                },
                {} },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ProgramEditor editor;
            editor.SetProgramText(u"L0\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\nL7\r\n");
            // Line 3 raised two messages, the others in between as a loop back would; a joined
            // mark lists its messages in the order they were raised.
            std::vector<Problem> messages { { 2, "a" }, { 3, "b" }, { 7, "e" }, { 5, "d" }, { 3, "c" } };
            EditorMarks& marks = editor.Marks();
            marks.ShowMessages(messages);
            c.edit(editor);
            std::vector<int> lines;
            for (const Expected& mark : c.marks) {
                EXPECT_EQ(marks.MessagesOn(mark.line), mark.messages) << "line " << mark.line;
                lines.push_back(mark.line);
            }
            EXPECT_EQ(LinesWith(editor, EditorMarks::MessageMarker), lines);
            EXPECT_EQ(marks.MarkedLineCount(), lines.size()) << "one mark a line";
            if (lines.empty())
                continue;
            // A later message on a marked line joins that line's mark.
            messages.push_back({ lines.front() + 1, "f" });
            marks.ShowMessages(messages);
            EXPECT_EQ(marks.MessagesOn(lines.front()).back(), QStringLiteral("f"));
            EXPECT_EQ(marks.MarkedLineCount(), lines.size());
            editor.SendScintilla(Sci::SCI_MARKERDELETE, static_cast<unsigned long>(lines.front()),
                static_cast<long>(EditorMarks::MessageMarker));
            EXPECT_EQ(editor.markersAtLine(lines.front()) & (1 << EditorMarks::MessageMarker), 0)
                << "a single marker on the line";
        }
    }

    const char* const ThreeProblems = "G50 S2000\r\nG00 X100. Z10.\r\nG96 S0 M03\r\nG01 X20. F0.2\r\n"
                                      "G00 X-300.\r\nG00 X100.\r\nG01 Z-900. F0.2\r\nG00 Z10.\r\nM30\r\n";

    // Trazor started on a program, which it opens as the user's Open does: a reset, then with
    // automatic start a batch run that goes through all its errors.
    struct Window {
        QTemporaryDir dir;
        QString program = dir.filePath("P.MIN");
        std::unique_ptr<frmMain> w;

        explicit Window(const QByteArray& text)
        {
            QFile file(program);
            file.open(QIODevice::WriteOnly);
            file.write(text);
            file.close();
            w = std::make_unique<frmMain>(
                program, dir.filePath("Trazor.ini"), QStringLiteral(TRAZOR_BIN_DIR));
            w->askUser = [](int, const QString&, const QString&, int) { return QMessageBox::No; };
            w->Form_Load();
        }
    };

    TEST(EditorMarks, InTheWindowTheMarksFollowAnInsertedLineAndKeepTheirTooltips)
    {
        Window t(ThreeProblems);
        frmMain& w = *t.w;
        w.show();
        ProgramEditor& editor = w.Program();
        EXPECT_EQ(LinesWith(editor, EditorMarks::MessageMarker), (std::vector<int> { 3, 4, 6 }));
        EXPECT_EQ(ToolTipOn(editor, 4), QString::fromUtf8("X軸マイナス リミット オーバー"));
        EXPECT_EQ(ToolTipOn(editor, 5), QString()) << "a line without a mark";
        EXPECT_EQ(ToolTipOn(editor, 4, true), QString()) << "the text of a marked line";

        editor.insertAt(QStringLiteral("(NEW LINE)\r\n"), 4, 0);
        QApplication::processEvents();
        EXPECT_EQ(LinesWith(editor, EditorMarks::MessageMarker), (std::vector<int> { 3, 5, 7 }));
        EXPECT_EQ(ToolTipOn(editor, 4), QString());
        EXPECT_EQ(ToolTipOn(editor, 5), QString::fromUtf8("X軸マイナス リミット オーバー"));
        EXPECT_EQ(ToolTipOn(editor, 7), QString::fromUtf8("Z軸マイナス リミット オーバー"));
    }

    TEST(EditorMarks, TheArrowMarksTheBlockTheNextSingleStepExecutes)
    {
        Window t("G50 X1.\r\nG50 X2.\r\n\r\nG50 X4.\r\nG50 X5.\r\n");
        frmMain& w = *t.w;
        ProgramEditor& editor = w.Program();
        EditorMarks& marks = editor.Marks();
        const InterpreterState& st = w.Core().st;
        // The arrow's line, checked to hold the block the run control has loaded.
        const auto arrow = [&] {
            const std::vector<int> lines = LinesWith(editor, EditorMarks::NextBlockMarker);
            EXPECT_EQ(lines.size(), 1U);
            if (lines.size() != 1)
                return -1;
            EXPECT_EQ(marks.NextBlockLine(), lines.front());
            const QString loaded = QString::fromStdU16String(st.BlockText).remove('\n');
            EXPECT_EQ(editor.text(lines.front()).remove(QRegularExpression("[\r\n]")), loaded);
            return lines.front();
        };
        EXPECT_EQ(arrow(), 4) << "the opening ran the program to its last block";
        w.mnuReset_Click();
        EXPECT_EQ(arrow(), 0);
        w.mnuSingleBlock_Click();
        for (int expected : { 1, 2, 3 }) {
            w.mnuStart_Click();
            EXPECT_EQ(arrow(), expected);
        }
        // A line inserted above moves the arrow with the loaded block.
        editor.insertAt(QStringLiteral("(MOVED)\r\n"), 0, 0);
        QApplication::processEvents();
        EXPECT_EQ(arrow(), 4);
        // The run control goes on from its position in the text, which the insertion moved
        // back by a line: the block under the arrow once more.
        w.mnuStart_Click();
        EXPECT_EQ(arrow(), 4);
        w.mnuStart_Click();
        EXPECT_EQ(arrow(), 5);
        // At the end of the text the last block stays loaded: Start would run it once more.
        w.mnuStart_Click();
        EXPECT_EQ(arrow(), 5);
        w.mnuReset_Click();
        EXPECT_EQ(arrow(), 0);
        w.Program().SetProgramText(u"G50 X1.");
        w.mnuReset_Click();
        EXPECT_TRUE(LinesWith(editor, EditorMarks::NextBlockMarker).empty())
            << "a text without a line end loads no line";
        EXPECT_EQ(marks.NextBlockLine(), -1);
    }

    TEST(EditorMarks, TheListsExportIsTheHeadlessCheckersReport)
    {
        const struct {
            const char* name;
            const char* program;
            bool fanuc;
        } cases[] = {
            { "three problems", ThreeProblems, false },
            { "decimal points, LF line ends",
                "G50 S2000\nG00 X100.0 Z10.0\nG96 S100 M03\nG01 X20 F0.2\nM00\nG01 Z5 F0.2\n", true },
            { "no problem", "G50 S2000\r\nG00 X100. Z10.\r\nM30\r\n", false },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            Window t(c.program);
            frmMain& w = *t.w;
            // The decimal-point check on, the standard view runs the program again.
            if (c.fanuc) {
                w.mnuPointCheck_Click();
                w.mnuStanderd_Click();
            }
            ASSERT_EQ(w.Core().st.FanucMode, c.fanuc);
            const QString exported = t.dir.filePath("messages.txt");
            w.chooseSavePath = [&](const QString&, const QString&) { return exported; };
            w.ExportMessageList();
            QFile file(exported);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));

            QProcess check;
            QStringList arguments { "--no-settings", "--problems", t.program };
            if (c.fanuc)
                arguments.prepend("--fanuc");
            check.start(QStringLiteral(TRAZOR_BIN_DIR "/trazor-check"), arguments);
            ASSERT_TRUE(check.waitForFinished(30000));
            const QByteArray report = check.readAllStandardOutput();
            EXPECT_EQ(file.readAll(), report);
            EXPECT_EQ(report.isEmpty(), std::string(c.name) == "no problem");
        }
    }

} // namespace
} // namespace trazor
