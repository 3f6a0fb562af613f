#include "app/window/problems_model.h"

#include <limits>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
}

ProblemsModel::ProblemsModel(const std::vector<Problem>& problems, QObject* parent)
    : QAbstractTableModel(parent)
    , problems_(problems)
{
}

int ProblemsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

int ProblemsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ProblemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shown_
        || static_cast<std::size_t>(index.row()) >= problems_.size())
        return {};
    const Problem& problem = problems_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == LineColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case LineColumn:
        return problem.line;
    case BlockColumn:
        return Utf8(problem.block);
    case MessageColumn:
        return Utf8(problem.text);
    case KindColumn:
        return Utf8(ProblemKindName(ClassifyProblem(problem.text)));
    default:
        return {};
    }
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[ColumnCount] = { "行", "ブロック", "メッセージ", "種類" };
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(names[section]) : QVariant();
}

bool ProblemsModel::ShowAppended()
{
    // A view holds rows as int: beyond that the list stops growing rather than wrapping.
    const std::size_t limit = static_cast<std::size_t>(std::numeric_limits<int>::max());
    const int total = static_cast<int>(std::min(problems_.size(), limit));
    if (total <= shown_)
        return false;
    beginInsertRows({}, shown_, total - 1);
    shown_ = total;
    endInsertRows();
    return true;
}

void ProblemsModel::ShowCleared()
{
    beginResetModel();
    shown_ = 0;
    endResetModel();
}

} // namespace trazor
