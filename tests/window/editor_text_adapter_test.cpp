// The run host's view of the editor: the CR LF snapshot, offsets to Scintilla positions and back,
// when the snapshot is rebuilt, and the deferred highlight.
#include "app/window/editor_text_adapter.h"
#include "app/window/program_editor.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace trazor {
namespace {

    using Sci = QsciScintillaBase;

    QString FromU16(std::u16string_view text)
    {
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }

    long SelectionStart(const ProgramEditor& editor)
    {
        return editor.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    }
    long SelectionEnd(const ProgramEditor& editor) { return editor.SendScintilla(Sci::SCI_GETSELECTIONEND); }
    long CaretPosition(const ProgramEditor& editor) { return editor.SendScintilla(Sci::SCI_GETCURRENTPOS); }

    struct Mapping {
        int offset; // UTF-16, into the snapshot
        long position; // bytes, into the document
    };

    // Offsets and positions that map to each other both ways.
    void ExpectBothWays(const std::u16string& text, const std::vector<Mapping>& table)
    {
        ProgramEditor editor;
        editor.SetProgramText(FromU16(text));
        EditorTextAdapter adapter(editor);
        for (const Mapping& m : table) {
            adapter.Select(m.offset, 0);
            EXPECT_EQ(CaretPosition(editor), m.position) << "offset " << m.offset;
            editor.SendScintilla(Sci::SCI_GOTOPOS, m.position);
            EXPECT_EQ(adapter.Caret(), m.offset) << "position " << m.position;
        }
    }

    TEST(EditorTextAdapter, MapsOffsetsAcrossMultiByteCharactersAndSurrogatePairs)
    {
        // Line 0 "G0 X1." is ASCII; line 1 holds two 3-byte characters; line 2 starts with U+20BB7
        // (4 bytes, a surrogate pair); line 3 with a 2-byte character and has no line end.
        const std::u16string text = u"G0 X1.\r\n(工具)\r\n\U00020BB7X\r\néM02";
        ExpectBothWays(text,
            {
                { 0, 0 }, { 6, 6 }, { 7, 7 }, // before the CR, between CR and LF
                { 8, 8 }, { 9, 9 }, { 10, 12 }, { 11, 15 }, { 12, 16 }, { 14, 18 }, { 16, 22 }, { 17, 23 },
                { 19, 25 }, { 20, 27 }, { 23, 30 }, // the end of the text
            });
    }

    TEST(EditorTextAdapter, MapsInsideAPairOrBeyondTheTextToTheNearestCharacterStart)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"(\U00020BB7)\r\nM02");
        EditorTextAdapter adapter(editor);
        const struct {
            int start, length;
            long anchor, caret;
        } cases[] = {
            { 2, 0, 1, 1 }, // between the halves of the pair: before the character
            { 1, 2, 1, 5 }, { 1, 100, 1, 11 }, // past the end
            { -5, 3, 0, 0 }, // before the start
            { 0, -1, 0, 0 }, { 2147483600, 1000, 11, 11 }, // no overflow
        };
        for (const auto& c : cases) {
            adapter.Select(c.start, c.length);
            EXPECT_EQ(SelectionStart(editor), c.anchor) << c.start << "+" << c.length;
            EXPECT_EQ(CaretPosition(editor), c.caret) << c.start << "+" << c.length;
        }
    }

    TEST(EditorTextAdapter, ReadsLoneLineEndsAsCrLfAndMapsAcrossThem)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"A\nB\rC\r\nD");
        EditorTextAdapter adapter(editor);
        EXPECT_EQ(adapter.Text(), u"A\r\nB\r\nC\r\nD");
        EXPECT_EQ(editor.ProgramText(), QStringLiteral("A\nB\rC\r\nD")) << "the document is left as it is";

        ExpectBothWays(u"A\nB\rC\r\nD",
            { { 1, 1 }, { 3, 2 }, { 4, 3 }, { 6, 4 }, { 7, 5 }, { 8, 6 }, { 9, 7 }, { 10, 8 } });
        // Between the CR and LF that a lone line end gained: that line end's start.
        for (const auto& [offset, position] : { std::pair { 2, 1L }, std::pair { 5, 3L } }) {
            adapter.Select(offset, 0);
            EXPECT_EQ(CaretPosition(editor), position) << offset;
        }
    }

    TEST(EditorTextAdapter, SelectsABlockAsTheInterpreterTakesIt)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"O1234\r\n（荒加工）G0 X100.\r\nM02\r\n");
        EditorTextAdapter adapter(editor);
        const std::u16string& text = adapter.Text();
        const auto start = text.find(u'（');
        const auto end = text.find(u"\r\n", start);
        adapter.Select(static_cast<int>(start), static_cast<int>(end - start));
        EXPECT_EQ(editor.selectedText(), QString::fromUtf16(u"（荒加工）G0 X100."));
        EXPECT_EQ(SelectionStart(editor), 7);
        EXPECT_EQ(CaretPosition(editor), SelectionEnd(editor)) << "the caret at the block's end";
        EXPECT_EQ(adapter.Caret(), static_cast<int>(start)) << "the interpreter reads the selection's start";
    }

    TEST(EditorTextAdapter, InvalidBytesReadAsReplacementCharacters)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"G0\r\n");
        // Bytes no load could give: a stray trail byte, a lead without its trail, an overlong form.
        editor.SendScintilla(Sci::SCI_APPENDTEXT, 5UL, "\x80\xE5Z\xC0\xAF");
        EditorTextAdapter adapter(editor);
        EXPECT_EQ(adapter.Text(), u"G0\r\n\uFFFD\uFFFDZ\uFFFD\uFFFD");
        editor.SendScintilla(Sci::SCI_GOTOPOS, 9L);
        EXPECT_EQ(adapter.Caret(), 9);
        adapter.Select(6, 1);
        EXPECT_EQ(editor.selectedText(), QStringLiteral("Z"));
    }

    TEST(EditorTextAdapter, RebuildsTheSnapshotOnlyAfterTheDocumentChanged)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"G0 X1.\r\nM02\r\n");
        EditorTextAdapter adapter(editor);
        EXPECT_EQ(adapter.RebuildCount(), 0) << "nothing decoded before it is asked for";
        const std::u16string* first = &adapter.Text();
        for (int block = 0; block < 100; ++block) {
            adapter.Text();
            adapter.Select(0, 6);
            adapter.Caret();
            adapter.Focus();
        }
        EXPECT_EQ(adapter.RebuildCount(), 1);

        editor.SendScintilla(Sci::SCI_GOTOPOS, 8L);
        QTest::keyClicks(&editor, QStringLiteral("N1"));
        EXPECT_EQ(adapter.RebuildCount(), 1) << "not before it is asked for";
        EXPECT_EQ(adapter.Text(), u"G0 X1.\r\nN1M02\r\n");
        EXPECT_EQ(&adapter.Text(), first) << "the same string object, new contents";
        EXPECT_EQ(adapter.Caret(), 10);
        EXPECT_EQ(adapter.RebuildCount(), 2);

        editor.undo();
        EXPECT_EQ(adapter.Text(), u"G0 X1.\r\nM02\r\n");
        EXPECT_EQ(adapter.RebuildCount(), 3);
    }

    TEST(EditorTextAdapter, ADeferredSelectionWaitsForTheFlush)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"G0 X1.\r\nG1 Z-5.\r\nM02\r\n");
        EditorTextAdapter adapter(editor);
        adapter.Select(0, 6);
        adapter.SetDeferred(true);
        adapter.Select(8, 7);
        adapter.Select(17, 3);
        EXPECT_EQ(SelectionStart(editor), 0) << "still the selection from before";
        EXPECT_EQ(SelectionEnd(editor), 6);
        EXPECT_EQ(adapter.Caret(), 17) << "the start of the selection to come";

        adapter.Flush();
        EXPECT_EQ(SelectionStart(editor), 17) << "the last one remembered";
        EXPECT_EQ(SelectionEnd(editor), 20);
        adapter.Select(8, 7);
        adapter.Flush();
        adapter.Flush();
        EXPECT_EQ(SelectionStart(editor), 8);

        adapter.Select(0, 2);
        adapter.SetDeferred(false);
        EXPECT_EQ(SelectionEnd(editor), 2) << "ending the deferral shows what waited";
        adapter.Select(17, 3);
        EXPECT_EQ(SelectionStart(editor), 17) << "shown at once again";
    }

} // namespace
} // namespace trazor
