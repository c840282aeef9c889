#include "ui/navdata/SearchRowsModel.h"

CSearchRowsModel::CSearchRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CSearchRowsModel::SetColumns(const QStringList& titles) {
    beginResetModel();
    titles_ = titles;
    count_ = 0;
    source_ = {};
    formatted_.clear();
    endResetModel();
}

void CSearchRowsModel::SetRows(int count, RowSource source) {
    beginResetModel();
    count_ = count;
    source_ = std::move(source);
    formatted_.clear();
    endResetModel();
}

const SearchRow& CSearchRowsModel::Row(int row) const {
    if (SearchRow* cached = formatted_.object(row))
        return *cached;
    auto* formatted = new SearchRow(source_ ? source_(row) : SearchRow());
    formatted_.insert(row, formatted);
    return *formatted; // the cache holds more rows than one call can evict
}

int CSearchRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

int CSearchRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant CSearchRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_)
        return {};
    const SearchRow& row = Row(index.row());
    switch (index.column()) {
    case 0:
        return row.ident;
    case 1:
        return row.name;
    case 2:
        return row.detail;
    default:
        return {};
    }
}

QVariant CSearchRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return titles_.value(section);
}
