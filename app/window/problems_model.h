// The rows of the message list "メッセージ一覧": a table over the window's vector of the messages
// raised since the last reset. The vector grows during a run; the rows follow it in batches, once
// per display refresh, so that 100 000 messages cost 100 000 appends and a few row inserts.
#pragma once

#include "interpreter/problem_list.h"

#include <QAbstractTableModel>

#include <vector>

namespace trazor {

class ProblemsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { LineColumn, BlockColumn, MessageColumn, KindColumn, ColumnCount };

    explicit ProblemsModel(const std::vector<Problem>& problems, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows the messages appended to the vector since the last call. False when there were none.
    bool ShowAppended();
    // The vector was emptied.
    void ShowCleared();

private:
    const std::vector<Problem>& problems_;
    int shown_ = 0;
};

} // namespace trazor
