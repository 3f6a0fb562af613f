// The editor pane: loading and reading back any text, the modified mark, change notices, the
// Edit menu request, the font, and the accessible that stands in for QScintilla's.
#include "app/window/program_accessible.h"
#include "app/window/program_editor.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using Sci = QsciScintillaBase;

    QString Repeated(QStringView piece, int times)
    {
        QString out;
        out.reserve(piece.size() * times);
        for (int i = 0; i < times; ++i)
            out += piece;
        return out;
    }

    TEST(ProgramEditor, AnyTextComesBackAsItWasLoaded)
    {
        const struct {
            const char* name;
            QString text;
        } cases[] = {
            { "empty", QString() },
            { "NUL characters", QString::fromUtf16(u"G0\0X1.\r\n\0\0\r\nM02", 14) },
            { "Japanese", QString::fromUtf16(u"（荒加工）\r\nG0 X100.\r\n") },
            { "beyond the BMP", QString::fromUtf16(u"(\U00020BB7\U0001F600)\r\nM02") },
            { "lone line ends kept", QStringLiteral("A\nB\rC\r\n") },
            { "a 1 MB line", Repeated(u"G1X1.", 1 << 18) + QStringLiteral("\r\nM02\r\n") },
            { "a 1 MB line of Japanese", Repeated(u"工", 1 << 20) + QStringLiteral("\r\n") },
        };
        ProgramEditor editor;
        for (const auto& c : cases) {
            editor.SetProgramText(c.text);
            EXPECT_EQ(editor.ProgramText(), c.text) << c.name;
            EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETLENGTH), c.text.toUtf8().size()) << c.name;
        }
    }

    TEST(ProgramEditor, IsTheProgramPaneWithLineNumbersAndCrLfLineEnds)
    {
        ProgramEditor editor;
        EXPECT_EQ(editor.objectName(), QStringLiteral("Program"));
        EXPECT_GT(editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0), 0);
        QTest::keyClick(&editor, Qt::Key_Return);
        EXPECT_EQ(editor.ProgramText(), QStringLiteral("\r\n"));
    }

    TEST(ProgramEditor, ALoadCannotBeUndoneAndLeavesTheTextUnmodified)
    {
        ProgramEditor editor;
        editor.SetProgramText(u"G0 X1.\r\n");
        QTest::keyClicks(&editor, QStringLiteral("N1"));
        editor.SetProgramText(u"G0 X2.\r\n");
        EXPECT_FALSE(editor.Modified());
        EXPECT_FALSE(editor.isUndoAvailable());
        EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), 0);

        QTest::keyClicks(&editor, QStringLiteral("N1"));
        EXPECT_TRUE(editor.Modified());
        editor.SetModified(false);
        EXPECT_FALSE(editor.Modified());
        editor.SetModified(true); // without a change, as after Save As to another encoding
        EXPECT_TRUE(editor.Modified());
        editor.undo();
        EXPECT_EQ(editor.ProgramText(), QStringLiteral("G0 X2.\r\n"));
        EXPECT_TRUE(editor.Modified());
        editor.SetProgramText(u"M02");
        EXPECT_FALSE(editor.Modified());
    }

    // Delivers the change notice the editor posted, if any.
    void DeliverNotices(ProgramEditor& editor) { QCoreApplication::sendPostedEvents(&editor); }

    TEST(ProgramEditor, ReportsEveryChangeOfTheTextAndNothingElse)
    {
        // Assistive technology on or off changes what Scintilla reports, not what the editor does.
        for (const bool assistive : { false, true }) {
            ProgramEditor editor;
            QAccessible::setActive(assistive);
            const long notices = editor.SendScintilla(Sci::SCI_GETMODEVENTMASK);
            EXPECT_EQ((notices & (Sci::SC_MOD_INSERTTEXT | Sci::SC_PERFORMED_USER)) != 0, assistive);
            EXPECT_NE(notices & Sci::SC_MOD_BEFOREINSERT, 0);

            QSignalSpy changed(&editor, &ProgramEditor::ProgramChanged);
            editor.SetProgramText(u"G0 X1.\r\nM02\r\n");
            EXPECT_EQ(changed.count(), 0) << "posted, not emitted on the spot";
            DeliverNotices(editor);
            EXPECT_EQ(changed.count(), 1) << "one notice per load";

            const struct {
                const char* name;
                std::function<void()> act;
                int changes;
            } cases[] = {
                { "typing", [&] { QTest::keyClicks(&editor, QStringLiteral("N")); }, 1 },
                { "typing more", [&] { QTest::keyClicks(&editor, QStringLiteral("10")); }, 2 },
                { "backspace", [&] { QTest::keyClick(&editor, Qt::Key_Backspace); }, 1 },
                { "insert", [&] { editor.SendScintilla(Sci::SCI_INSERTTEXT, 0UL, "G1"); }, 1 },
                { "undo", [&] { editor.undo(); }, 1 },
                { "selection", [&] { editor.SendScintilla(Sci::SCI_SETSEL, 2UL, 5L); }, 0 },
                { "caret", [&] { QTest::keyClick(&editor, Qt::Key_End); }, 0 },
                { "cut",
                    [&] {
                        editor.SendScintilla(Sci::SCI_SETSEL, 0UL, 2L);
                        editor.cut();
                    },
                    1 },
                { "paste over a selection",
                    [&] {
                        editor.SendScintilla(Sci::SCI_SETSEL, 0UL, 1L);
                        editor.paste();
                    },
                    2 },
                { "mark saved", [&] { editor.SetModified(false); }, 0 },
            };
            for (const auto& c : cases) {
                const auto revision = editor.ContentRevision();
                changed.clear();
                c.act();
                EXPECT_EQ(editor.ContentRevision() - revision, static_cast<std::uint64_t>(c.changes))
                    << c.name << (assistive ? " (assistive)" : "");
                DeliverNotices(editor);
                EXPECT_EQ(changed.count(), c.changes > 0 ? 1 : 0)
                    << c.name << (assistive ? " (assistive)" : "");
            }
        }
        QAccessible::setActive(false);
    }

    TEST(ProgramEditor, ARightButtonAsksForTheWindowsEditMenuInsteadOfItsOwn)
    {
        ProgramEditor editor;
        editor.resize(400, 300);
        editor.show();
        editor.SetProgramText(u"G0 X1.\r\n");
        QSignalSpy requested(&editor, &ProgramEditor::EditMenuRequested);

        QTest::mousePress(editor.viewport(), Qt::RightButton, {}, QPoint(60, 10));
        ASSERT_EQ(requested.count(), 1);
        EXPECT_EQ(requested.at(0).at(0).toPoint(), editor.viewport()->mapToGlobal(QPoint(60, 10)));
        QTest::mouseRelease(editor.viewport(), Qt::RightButton, {}, QPoint(60, 10));

        // A menu of QScintilla's would run its own loop: close it from there and note it.
        bool ownMenuShown = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                ownMenuShown = true;
                popup->close();
            }
        });
        QContextMenuEvent mouseMenu(
            QContextMenuEvent::Mouse, QPoint(60, 10), editor.viewport()->mapToGlobal(QPoint(60, 10)));
        QApplication::sendEvent(editor.viewport(), &mouseMenu);
        QApplication::processEvents();
        EXPECT_FALSE(ownMenuShown);
        EXPECT_EQ(requested.count(), 1) << "the press already asked";

        QContextMenuEvent keyMenu(
            QContextMenuEvent::Keyboard, QPoint(0, 0), editor.viewport()->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(editor.viewport(), &keyMenu);
        EXPECT_EQ(requested.count(), 2) << "the menu key asks at the caret";

        QTest::mousePress(editor.viewport(), Qt::LeftButton, {}, QPoint(60, 10));
        EXPECT_EQ(requested.count(), 2);
    }

    TEST(ProgramEditor, AppliesTheFontToTextAndLineNumbers)
    {
        ProgramEditor editor;
        editor.SetProgramText(Repeated(u"G0\r\n", 2000));
        editor.ApplyFont(QStringLiteral("Noto Sans Mono CJK JP"), 9);
        const long narrow = editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0);
        editor.ApplyFont(QStringLiteral("Noto Sans Mono CJK JP"), 20.5);
        for (int style : { int(Sci::STYLE_DEFAULT), int(Sci::STYLE_LINENUMBER), 0 }) {
            char name[64] = {};
            editor.SendScintilla(
                Sci::SCI_STYLEGETFONT, static_cast<unsigned long>(style), static_cast<void*>(name));
            EXPECT_STREQ(name, "Noto Sans Mono CJK JP") << style;
            EXPECT_EQ(editor.SendScintilla(Sci::SCI_STYLEGETSIZEFRACTIONAL, style), 2050) << style;
        }
        EXPECT_GT(editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0), narrow) << "the margin follows the font";

        // More digits in the line numbers widen the margin too.
        const long fourDigits = editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0);
        editor.SetProgramText(Repeated(u"G0\r\n", 20000));
        EXPECT_GT(editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0), fourDigits);
    }

    TEST(ProgramAccessible, StandsInForQScintillasAndReadsTheDocument)
    {
        // QScintilla's factory is there (a plain QScintilla editor gets its accessible) ...
        QsciScintilla plain;
        QAccessibleInterface* theirs = QAccessible::queryAccessibleInterface(&plain);
        ASSERT_NE(theirs, nullptr);
        EXPECT_EQ(dynamic_cast<ProgramAccessible*>(theirs), nullptr);
        EXPECT_NE(theirs->textInterface(), nullptr);

        // ... and ours answers for the program editor, also after the view was shown and edited.
        ProgramEditor editor;
        editor.show();
        const QString text = QString::fromUtf16(u"（工具）\r\n\U00020BB7X\r\nM02");
        editor.SetProgramText(text);
        QTest::keyClicks(&editor, QStringLiteral("N"));
        editor.undo();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&editor);
        ASSERT_NE(dynamic_cast<ProgramAccessible*>(iface), nullptr);
        EXPECT_EQ(iface->role(), QAccessible::EditableText);
        EXPECT_EQ(iface->text(QAccessible::Value), text);

        QAccessibleTextInterface* textInterface = iface->textInterface();
        ASSERT_NE(textInterface, nullptr);
        EXPECT_EQ(textInterface->characterCount(), text.size());
        EXPECT_EQ(textInterface->text(6, 9), QString::fromUtf16(u"\U00020BB7X"));
        textInterface->setSelection(0, 1, 3);
        int start = -1, end = -1;
        textInterface->selection(0, &start, &end);
        EXPECT_EQ(textInterface->selectionCount(), 1);
        EXPECT_EQ(start, 1);
        EXPECT_EQ(end, 3);
        EXPECT_EQ(textInterface->cursorPosition(), 3);
        EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), 9) << "after three 3-byte characters";
        textInterface->setCursorPosition(1000);
        EXPECT_EQ(textInterface->cursorPosition(), text.size());
    }

} // namespace
} // namespace trazor
