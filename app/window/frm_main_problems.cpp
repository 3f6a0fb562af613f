// The message list "メッセージ一覧": a dockable pane with every message raised since the last
// reset, each with the line and text of its block and its kind. A click selects the line in the
// editor; the list can be written out as the same lines the headless checker prints. The same
// messages mark their lines in the editor's margin, beside the arrow on the next block.
#include "app/window/frm_main.h"

#include "app/window/editor_marks.h"
#include "app/window/problems_model.h"
#include "app/window/program_editor.h"
#include "base/atomic_file.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace trazor {

namespace {
    const char* const ListTitle = "メッセージ一覧";
}

void frmMain::BuildMessageList()
{
    problemsModel_ = new ProblemsModel(problems_.problems, this);
    messageList_ = new QDockWidget(QString::fromUtf8(ListTitle), this);
    messageList_->setObjectName("MessageList");
    auto* body = new QWidget(messageList_);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* exportButton = new QToolButton(body);
    exportButton->setObjectName("MessageListExport");
    exportButton->setText(QString::fromUtf8("テキストに書き出し..."));
    connect(exportButton, &QToolButton::clicked, this, [this] { ExportMessageList(); });
    layout->addWidget(exportButton, 0, Qt::AlignLeft);

    messageView_ = new QTableView(body);
    messageView_->setObjectName("MessageListView");
    messageView_->setModel(problemsModel_);
    messageView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    messageView_->setSelectionMode(QAbstractItemView::SingleSelection);
    messageView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    messageView_->setWordWrap(false);
    // Rows of one height: the view need not measure 100 000 rows to lay them out.
    messageView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    messageView_->verticalHeader()->hide();
    // The message takes the room the other columns leave; those are as wide as their longest
    // texts are likely to be, measured once rather than over 100 000 rows.
    QHeaderView* columns = messageView_->horizontalHeader();
    columns->setSectionResizeMode(ProblemsModel::MessageColumn, QHeaderView::Stretch);
    const QFontMetrics metrics(messageView_->font());
    const int padding = metrics.horizontalAdvance(QStringLiteral("00"));
    int kindWidth = columns->sectionSizeHint(ProblemsModel::KindColumn);
    for (ProblemKind kind : { ProblemKind::Limit, ProblemKind::DecimalPoint, ProblemKind::SpindleFeed,
             ProblemKind::Calculation, ProblemKind::Stop, ProblemKind::Other }) {
        const std::string_view name = ProblemKindName(kind);
        kindWidth = std::max(kindWidth,
            metrics.horizontalAdvance(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                + padding);
    }
    columns->resizeSection(ProblemsModel::KindColumn, kindWidth);
    columns->resizeSection(
        ProblemsModel::LineColumn, metrics.horizontalAdvance(QStringLiteral("000000")) + padding);
    columns->resizeSection(
        ProblemsModel::BlockColumn, metrics.horizontalAdvance(QString(20, u'0')) + padding);
    messageView_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* exportAction = new QAction(exportButton->text(), messageView_);
    exportAction->setObjectName("MessageListExportAction");
    connect(exportAction, &QAction::triggered, this, [this] { ExportMessageList(); });
    messageView_->addAction(exportAction);
    connect(messageView_, &QTableView::clicked, this,
        [this](const QModelIndex& index) { SelectMessageLine(index.row()); });
    layout->addWidget(messageView_);

    messageList_->setWidget(body);
    addDockWidget(Qt::BottomDockWidgetArea, messageList_);
    // Shown on demand: the window's own layout stays as it was until the user asks for the list.
    messageList_->hide();

    QAction* toggle = messageList_->toggleViewAction();
    toggle->setObjectName("mnuMessageList");
    if (auto* view = findChild<QMenu*>("mnuView")) {
        view->addSeparator();
        view->addAction(toggle);
    }
}

void frmMain::InterpreterReset()
{
    problems_.Clear();
    program_->Marks().Clear();
    markedBlock_ = -1;
    if (problemsModel_ && problemsModel_->rowCount() > 0) {
        problemsModel_->ShowCleared();
        ShowMessageCount();
    }
}

void frmMain::ShowNewMessages()
{
    program_->Marks().ShowMessages(problems_.problems);
    ShowNextBlockMark();
    if (problemsModel_ && problemsModel_->ShowAppended())
        ShowMessageCount();
}

void frmMain::ShowNextBlockMark()
{
    // The arrow is put on the loaded block once; then it stays with its line as the text is
    // edited, as the block it stands for does.
    const InterpreterState& st = in_.st;
    if (st.BlockCount == markedBlock_)
        return;
    markedBlock_ = st.BlockCount;
    // A text without any line end loads an empty block that no line holds.
    const bool loaded = st.BlockEndPos != 0 || !st.BlockText.empty();
    program_->Marks().ShowNextBlock(loaded ? editorText_->LineOfBlock(st.LoadedBlockStart) : -1);
}

void frmMain::ShowMessageCount()
{
    const int count = problemsModel_->rowCount();
    QString title = QString::fromUtf8(ListTitle);
    if (count > 0)
        title += QStringLiteral(" (%1)").arg(count);
    messageList_->setWindowTitle(title);
}

void frmMain::SelectMessageLine(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= problems_.problems.size())
        return;
    SelectEditorLine(problems_.problems[static_cast<std::size_t>(row)].line);
}

QString frmMain::MessageListText() const
{
    QString out;
    for (const Problem& problem : problems_.problems)
        out += QString::fromStdString(ProblemLine(problem)) + '\n';
    return out;
}

void frmMain::ExportMessageList()
{
    QString suggested = QFileInfo(currentFilePath_).completeBaseName();
    suggested = (suggested.isEmpty() ? QStringLiteral("messages") : suggested) + ".txt";
    if (!currentFilePath_.isEmpty())
        suggested = QFileInfo(currentFilePath_).dir().filePath(suggested);
    const QString caption = QString::fromUtf8(ListTitle);
    const QString path = chooseSavePath
        ? chooseSavePath(caption, suggested)
        : QFileDialog::getSaveFileName(this, caption, suggested, QStringLiteral("Text (*.txt)"));
    if (path.isEmpty())
        return;
    const std::string error
        = ReplaceFile(QFile::encodeName(path).toStdString(), MessageListText().toUtf8().toStdString());
    if (!error.empty())
        Ask(QMessageBox::Warning, QString::fromUtf8(ListTitle),
            path + "\n" + QString::fromLocal8Bit(error.c_str()), QMessageBox::Ok);
}

} // namespace trazor
