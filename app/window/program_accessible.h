// What screen readers see of the editor pane: an editable text whose text, length, caret and
// selection are worked out when asked. QScintilla's own accessible works out the caret's
// character offset on every update of the view, counting from the start of the text, which on a
// long program costs more than the update itself.
//
// QScintilla installs its factory for the class name "QsciScintillaBase" when its first editor is
// made. Qt asks the factories about the most derived class first, so a factory for our class
// answers before QScintilla's is ever asked.
#pragma once

#include <QAccessibleWidget>

namespace trazor {

class ProgramEditor;

class ProgramAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ProgramAccessible(ProgramEditor* editor);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;

    // Offsets are UTF-16 units from the start of the text, as in a QString.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    ProgramEditor* Editor() const;
    int OffsetOf(long position) const;
    long PositionOf(int offset) const;
};

// Installs the factory that gives every ProgramEditor a ProgramAccessible (once per process).
void InstallProgramAccessible();

} // namespace trazor
