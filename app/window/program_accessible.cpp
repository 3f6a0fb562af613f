#include "app/window/program_accessible.h"

#include "app/window/program_editor.h"

#include <QAccessible>

namespace trazor {

namespace {
    QAccessibleInterface* ProgramAccessibleFactory(const QString& className, QObject* object)
    {
        if (object && object->isWidgetType()
            && className == QLatin1String(ProgramEditor::staticMetaObject.className()))
            return new ProgramAccessible(static_cast<ProgramEditor*>(object));
        return nullptr;
    }
}

void InstallProgramAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(ProgramAccessibleFactory);
        return true;
    }();
    (void)installed;
}

ProgramAccessible::ProgramAccessible(ProgramEditor* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText)
{
}

ProgramEditor* ProgramAccessible::Editor() const { return static_cast<ProgramEditor*>(widget()); }

int ProgramAccessible::OffsetOf(long position) const
{
    return static_cast<int>(Editor()->SendScintilla(QsciScintillaBase::SCI_COUNTCODEUNITS, 0UL, position));
}

long ProgramAccessible::PositionOf(int offset) const
{
    if (offset <= 0)
        return 0;
    // Scintilla answers 0 for an offset beyond the end.
    const long position = Editor()->SendScintilla(
        QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS, 0UL, static_cast<long>(offset));
    return position > 0 ? position : Editor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
}

void* ProgramAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ProgramAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return Editor()->ProgramText();
    return QAccessibleWidget::text(type);
}

QAccessible::State ProgramAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !Editor()->isReadOnly();
    state.readOnly = Editor()->isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void ProgramAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    *startOffset = OffsetOf(Editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART));
    *endOffset = OffsetOf(Editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND));
}

int ProgramAccessible::selectionCount() const
{
    return Editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEMPTY) != 0 ? 0 : 1;
}

void ProgramAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ProgramAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        Editor()->SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION,
            Editor()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
}

void ProgramAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        Editor()->SendScintilla(QsciScintillaBase::SCI_SETSEL,
            static_cast<unsigned long>(PositionOf(startOffset)), PositionOf(endOffset));
}

int ProgramAccessible::cursorPosition() const
{
    return OffsetOf(Editor()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
}

void ProgramAccessible::setCursorPosition(int position)
{
    Editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, PositionOf(position));
}

QString ProgramAccessible::text(int startOffset, int endOffset) const
{
    const long start = PositionOf(startOffset);
    const long end = PositionOf(endOffset);
    if (end <= start)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(Editor()->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    return QString::fromUtf8(bytes, end - start);
}

int ProgramAccessible::characterCount() const
{
    return OffsetOf(Editor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

QRect ProgramAccessible::characterRect(int offset) const
{
    ProgramEditor* editor = Editor();
    const long position = PositionOf(offset);
    const long next = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, position);
    const long x = editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position);
    const long y = editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position);
    const long nextX = editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, next);
    const long line = editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
    const long height = editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, line);
    const long width = nextX > x ? nextX - x : 1; // at a line end
    const QPoint topLeft = editor->viewport()->mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y)));
    return { topLeft, QSize(static_cast<int>(width), static_cast<int>(height)) };
}

int ProgramAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = Editor()->viewport()->mapFromGlobal(point);
    const long position = Editor()->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
        static_cast<unsigned long>(local.x()), static_cast<long>(local.y()));
    return position < 0 ? -1 : OffsetOf(position);
}

void ProgramAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    Editor()->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE,
        static_cast<unsigned long>(PositionOf(endIndex)), PositionOf(startIndex));
}

QString ProgramAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    // One style over the whole text: no attributes to tell apart.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace trazor
