// The editor pane `Program` of the main window: a QScintilla editor holding the program as UTF-8
// with CR LF line ends, line numbers in the first margin and the message and next-block marks
// (editor_marks.h) in the second.
//
// QScintilla has costs on large programs that are kept away from the user:
// - Its accessibility object counts the characters from the start of the text to the caret on
//   every update of the view; ours (program_accessible.h) answers only when asked.
// - For every insertion and deletion Scintilla reports to it, QScintilla counts the characters
//   from the start of the text to the change (for an accessibility notice) and copies the changed
//   text, whoever listens: some 60 ms per key at the end of a program of a million lines. So
//   Scintilla reports only the notices that come before a change (SC_MOD_BEFOREINSERT,
//   SC_MOD_BEFOREDELETE), which QScintilla passes on as they are. While assistive technology is
//   active, the other notices are reported as well, so that QScintilla tells it what changed, at
//   that cost.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <string_view>

class QContextMenuEvent;
class QMouseEvent;

namespace trazor {

class EditorMarks;

class ProgramEditor : public QsciScintilla, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    explicit ProgramEditor(QWidget* parent = nullptr);
    ~ProgramEditor() override;

    // Replaces the whole text as one load that cannot be undone; the text is then unmodified and
    // the caret at the start. Any character survives, NUL included.
    void SetProgramText(QStringView text);
    // The whole text as the editor holds it (line ends as they are). For saving: it converts
    // the whole document.
    QString ProgramText() const;
    // The document's UTF-8 bytes, without a copy. Valid until the next change of the text.
    std::string_view DocumentBytes() const;
    // Counts the changes of the text, so a copy of the text knows whether it is out of date. A
    // change is counted as it begins: a copy taken inside a handler of SCN_MODIFIED would be
    // older than the count says.
    std::uint64_t ContentRevision() const { return contentRevision_; }

    // Whether the text differs from the last load or save (Scintilla's save point), or was
    // marked modified.
    bool Modified() const;
    void SetModified(bool modified);

    // The font of the text and of the line numbers. QScintilla takes a font only through its
    // styles, so one set through a QWidget pointer would be ignored.
    void ApplyFont(const QString& family, double pointSize);

    // The marks in the symbol margin.
    EditorMarks& Marks() { return *marks_; }

signals:
    // The text changed: typing, deleting, pasting, undo, a load. Posted, once for all the
    // changes of one turn of the event loop, so it arrives when they are complete.
    void ProgramChanged();
    // A right-button press (or the keyboard's menu key) asks for the window's Edit menu; the
    // editor shows no menu of its own.
    void EditMenuRequested(QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Shows the messages of a message mark while the mouse rests on it.
    bool viewportEvent(QEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void OnModified(int position, int modificationType);
    void OnZoom();
    void NoticeChange();
    void UpdateMarginWidth(bool force);

    std::uint64_t contentRevision_ = 0;
    bool changeNoticePosted_ = false;
    bool markedModified_ = false;
    int marginDigits_ = 0;
    std::unique_ptr<EditorMarks> marks_;
};

} // namespace trazor
