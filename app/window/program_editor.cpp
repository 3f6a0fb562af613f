#include "app/window/program_editor.h"

#include "app/window/editor_marks.h"
#include "app/window/program_accessible.h"

#include <QByteArray>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace trazor {

namespace {
    constexpr long white = 0xFFFFFF; // Scintilla colours are 0xBBGGRR
    constexpr long black = 0x000000;
    constexpr int lineNumberMargin = 0;
    constexpr int minimumLineNumberDigits = 3; // small programs keep a steady margin
}

ProgramEditor::ProgramEditor(QWidget* parent)
    : QsciScintilla(parent)
{
    InstallProgramAccessible();
    setObjectName(QStringLiteral("Program"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setLineWidth(1);

    SendScintilla(SCI_SETCODEPAGE, SC_CP_UTF8);
    SendScintilla(SCI_SETEOLMODE, SC_EOL_CRLF);
    SendScintilla(SCI_SETMARGINTYPEN, lineNumberMargin, static_cast<long>(SC_MARGIN_NUMBER));
    for (int margin = 1; margin < 5; ++margin)
        SendScintilla(SCI_SETMARGINWIDTHN, margin, 0L);
    marks_ = std::make_unique<EditorMarks>(*this);

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &ProgramEditor::OnModified);
    connect(this, &QsciScintillaBase::SCN_ZOOM, this, &ProgramEditor::OnZoom);
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
    const QFont initial = font();
    ApplyFont(initial.family(), initial.pointSizeF() > 0 ? initial.pointSizeF() : 10.0);
}

ProgramEditor::~ProgramEditor() { QAccessible::removeActivationObserver(this); }

void ProgramEditor::accessibilityActiveChanged(bool active)
{
    // The notices before a change are all the editor needs (see the header). Scintilla passes a
    // notice on when any of its bits is in the mask, SC_PERFORMED_USER and the like included, so
    // the mask holds nothing else.
    SendScintilla(
        SCI_SETMODEVENTMASK, active ? SC_MODEVENTMASKALL : SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
}

void ProgramEditor::SetProgramText(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    // The marks belong to the text being replaced.
    marks_->RemoveAll();
    // Without undo collection Scintilla keeps no second copy of the loaded text.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    markedModified_ = false;
    UpdateMarginWidth(false);
}

QString ProgramEditor::ProgramText() const
{
    const std::string_view bytes = DocumentBytes();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string_view ProgramEditor::DocumentBytes() const
{
    // Scintilla closes its gap so the document lies in one piece; while the text does not
    // change, asking again costs nothing.
    const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    const long length = SendScintilla(SCI_GETLENGTH);
    return { bytes, static_cast<std::size_t>(length) };
}

bool ProgramEditor::Modified() const { return markedModified_ || SendScintilla(SCI_GETMODIFY) != 0; }

void ProgramEditor::SetModified(bool modified)
{
    // Scintilla can only be told that the text is now saved; "modified" without a change is
    // kept here.
    markedModified_ = modified;
    if (!modified)
        SendScintilla(SCI_SETSAVEPOINT);
}

void ProgramEditor::ApplyFont(const QString& family, double pointSize)
{
    const QByteArray name = family.toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(STYLE_DEFAULT), name.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT,
        std::lround(pointSize * double { SC_FONT_SIZE_MULTIPLIER }));
    SendScintilla(SCI_STYLESETFORE, STYLE_DEFAULT, black);
    SendScintilla(SCI_STYLESETBACK, STYLE_DEFAULT, white);
    // Every style, the line numbers' included, takes the default style's font and colours.
    SendScintilla(SCI_STYLECLEARALL);
    UpdateMarginWidth(true);
}

void ProgramEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit EditMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QsciScintilla::mousePressEvent(event);
}

void ProgramEditor::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's request was answered on the press; the menu key asks at the caret.
    event->accept();
    if (event->reason() != QContextMenuEvent::Keyboard)
        return;
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long line = SendScintilla(SCI_LINEFROMPOSITION, caret);
    const int x = static_cast<int>(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, caret));
    const int y = static_cast<int>(
        SendScintilla(SCI_POINTYFROMPOSITION, 0UL, caret) + SendScintilla(SCI_TEXTHEIGHT, line));
    emit EditMenuRequested(viewport()->mapToGlobal(QPoint(x, y)));
}

bool ProgramEditor::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QsciScintilla::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = marks_->ToolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}

void ProgramEditor::OnModified(int /*position*/, int modificationType)
{
    if ((modificationType & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)) == 0)
        return;
    ++contentRevision_;
    if (changeNoticePosted_)
        return;
    changeNoticePosted_ = true;
    QMetaObject::invokeMethod(this, &ProgramEditor::NoticeChange, Qt::QueuedConnection);
}

void ProgramEditor::NoticeChange()
{
    changeNoticePosted_ = false;
    UpdateMarginWidth(false);
    emit ProgramChanged();
}

void ProgramEditor::OnZoom() { UpdateMarginWidth(true); }

void ProgramEditor::UpdateMarginWidth(bool force)
{
    int digits = 1;
    for (long lines = SendScintilla(SCI_GETLINECOUNT); lines >= 10; lines /= 10)
        ++digits;
    digits = std::max(digits, minimumLineNumberDigits);
    if (!force && digits == marginDigits_)
        return;
    marginDigits_ = digits;
    // A digit's width of room beside the widest number.
    const QByteArray widest(digits + 1, '9');
    const long width
        = SendScintilla(SCI_TEXTWIDTH, static_cast<uintptr_t>(STYLE_LINENUMBER), widest.constData());
    SendScintilla(SCI_SETMARGINWIDTHN, lineNumberMargin, width);
    if (force && marks_)
        marks_->UpdateWidth();
}

} // namespace trazor
