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
        const auto lines = [](int fromLine, int fromIndex, int toLine, int toIndex) {
            return [=](ProgramEditor& e) {
                e.setSelection(fromLine, fromIndex, toLine, toIndex);
                e.removeSelectedText();
            };
        };
        const struct {
            const char* name;
            std::function<void(ProgramEditor&)> edit;
            std::vector<std::pair<int, QStringList>> marks; // line, its messages
        } cases[] = {
            { "a line inserted at the top", [](ProgramEditor& e) { e.insertAt("NEW\r\n", 0, 0); },
                { { 2, { "a" } }, { 3, { "b", "c" } }, { 5, { "d" } }, { 7, { "e" } } } },
            { "two marked lines joined", lines(1, 2, 2, 0),
                { { 1, { "a", "b", "c" } }, { 3, { "d" } }, { 5, { "e" } } } },
            { "two joins before the marks look again",
                [&](ProgramEditor& e) {
                    lines(1, 2, 2, 0)(e);
                    lines(3, 2, 5, 2)(e);
                },
                { { 1, { "a", "b", "c" } }, { 3, { "e", "d" } } } },
            { "four whole lines deleted", lines(1, 0, 5, 0),
                { { 1, { "a", "b", "d", "c" } }, { 2, { "e" } } } },
            { "all but the first line deleted", lines(0, 2, 8, 0), { { 0, { "a", "b", "e", "d", "c" } } } },
            { "everything deleted: the marks go with the text", lines(0, 0, 8, 0), {} },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ProgramEditor editor;
            editor.SetProgramText(u"L0\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\nL7\r\n");
            // Two messages on line 3 with others between, as after a loop back; a joined mark
            // lists its messages in the order they were raised.
            std::vector<Problem> messages { { 2, "a" }, { 3, "b" }, { 7, "e" }, { 5, "d" }, { 3, "c" } };
            EditorMarks& marks = editor.Marks();
            marks.ShowMessages(messages);
            c.edit(editor);
            std::vector<int> marked;
            for (const auto& [line, texts] : c.marks) {
                EXPECT_EQ(marks.MessagesOn(line), texts) << "line " << line;
                marked.push_back(line);
            }
            EXPECT_EQ(LinesWith(editor, EditorMarks::MessageMarker), marked);
            EXPECT_EQ(marks.MarkedLineCount(), marked.size()) << "one mark a line";
            if (marked.empty())
                continue;
            // A later message on a joined line joins its mark, which has one marker.
            messages.push_back({ marked.front() + 1, "f" });
            marks.ShowMessages(messages);
            EXPECT_EQ(marks.MessagesOn(marked.front()).back(), QStringLiteral("f"));
            editor.SendScintilla(Sci::SCI_MARKERDELETE, static_cast<unsigned long>(marked.front()),
                static_cast<long>(EditorMarks::MessageMarker));
            EXPECT_EQ(editor.markersAtLine(marked.front()) & (1 << EditorMarks::MessageMarker), 0);
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
        editor.insertAt(QStringLiteral("(NEW LINE)\r\n"), 4, 0);
        EXPECT_EQ(LinesWith(editor, EditorMarks::MessageMarker), (std::vector<int> { 3, 5, 7 }));
        EXPECT_EQ(ToolTipOn(editor, 5), QString::fromUtf8("X軸マイナス リミット オーバー"));
        EXPECT_EQ(ToolTipOn(editor, 7), QString::fromUtf8("Z軸マイナス リミット オーバー"));
        EXPECT_EQ(ToolTipOn(editor, 4), QString()) << "the line that lost its mark";
        EXPECT_EQ(ToolTipOn(editor, 5, true), QString()) << "the text of a marked line";
    }

    TEST(EditorMarks, TheArrowMarksTheBlockTheNextSingleStepExecutes)
    {
        Window t("G50 X1.\r\nG50 X2.\r\n\r\nG50 X4.\r\nG50 X5.\r\n");
        frmMain& w = *t.w;
        ProgramEditor& editor = w.Program();
        // The arrow's line, checked to hold the block the run control has loaded.
        const auto arrow = [&] {
            const std::vector<int> lines = LinesWith(editor, EditorMarks::NextBlockMarker);
            if (lines.size() != 1)
                return -1;
            EXPECT_EQ(editor.Marks().NextBlockLine(), lines.front());
            EXPECT_EQ(editor.text(lines.front()).remove(QRegularExpression("[\r\n]")),
                QString::fromStdU16String(w.Core().st.BlockText).remove('\n'));
            return lines.front();
        };
        EXPECT_EQ(arrow(), 4) << "the opening ran the program to its last block";
        w.mnuReset_Click();
        EXPECT_EQ(arrow(), 0);
        w.mnuSingleBlock_Click();
        // Three steps; a line inserted above moves the arrow with the loaded block; the run
        // control's position in the text moved back by that line, so the next step takes the
        // block under the arrow once more; at the end of the text the last block stays loaded.
        const std::function<void()> steps[]
            = { [&] { w.mnuStart_Click(); }, [&] { w.mnuStart_Click(); }, [&] { w.mnuStart_Click(); },
                  [&] { editor.insertAt("(MOVED)\r\n", 0, 0); }, [&] { w.mnuStart_Click(); },
                  [&] { w.mnuStart_Click(); }, [&] { w.mnuStart_Click(); }, [&] { w.mnuReset_Click(); } };
        const int expected[] = { 1, 2, 3, 4, 4, 5, 5, 0 };
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            steps[i]();
            QApplication::processEvents();
            EXPECT_EQ(arrow(), expected[i]) << "step " << i;
        }
        w.Program().SetProgramText(u"G50 X1.");
        w.mnuReset_Click();
        EXPECT_EQ(arrow(), -1) << "a text without a line end loads no line";
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
            EXPECT_EQ(report.count('\n'), c.fanuc ? 2 : 3);
        }
    }

} // namespace
} // namespace trazor
