#pragma once
// The rows of a search result list, formatted only when the list shows them: the model knows
// how many rows there are and asks for a row's texts (identifier, name, city or type) when a
// view first needs it, keeping the last few hundred formatted rows.

#include "core/navdata/NavRecords.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QStringList>

#include <functional>

class CSearchRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using RowSource = std::function<SearchRow(int row)>;

    explicit CSearchRowsModel(QObject* parent = nullptr);

    // Column titles (and so the column count); removes the rows.
    void SetColumns(const QStringList& titles);
    // `count` rows, row i formatted by source(i) when shown. The source outlives the rows.
    void SetRows(int count, RowSource source);
    // The texts of a row (formatted now if not yet).
    const SearchRow& Row(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList titles_;
    int count_ = 0;
    RowSource source_;
    mutable QCache<int, SearchRow> formatted_{512};
};
