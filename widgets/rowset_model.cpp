#include "widgets/rowset_model.h"

namespace widgets {

namespace {

// An emptied cell stores null, which typed columns accept where empty text is wrong.
db::Value toValue(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            return std::int64_t{v.toLongLong()};
        case QMetaType::Double:
            return v.toDouble();
        default: {
            const QString text = v.toString();
            if (text.isEmpty()) return {};
            return text.toStdString();
        }
    }
}

}  // namespace

RowSetModel::RowSetModel(db::RowSet& rows, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(rows),
      subscription_(rows.subscribe([this](db::RowSetChange c, int row) { onChange(c, row); })) {
    reset();
}

RowSetModel::~RowSetModel() {
    rows_.unsubscribe(subscription_);
}

void RowSetModel::setTitle(int column, const QString& text) {
    if (column < 0 || column >= titles_.size()) return;
    titles_[column] = text;
    if (column < columnCount_) emit headerDataChanged(Qt::Horizontal, column, column);
}

QString RowSetModel::title(int column) const {
    return titles_.value(column);
}

bool RowSetModel::moveTo(int row) {
    try {
        rows_.moveTo(row);
        return true;
    } catch (const db::Error& e) {
        emit writeFailed(QString::fromStdString(e.what()));
        return false;
    }
}

int RowSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int RowSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant RowSetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    // While notifications are paused the set may already hold fewer rows than the views know.
    if (!index.isValid() || index.row() >= rows_.rowCount() || index.column() >= rows_.fieldCount())
        return {};
    return QString::fromStdString(rows_.displayText(index.row(), index.column()));
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return title(section);
    return section == currentRow_ ? QStringLiteral("▶") : QString();
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!editable_ || role != Qt::EditRole || !index.isValid()) return false;
    try {
        rows_.moveTo(index.row());
        db::Field field = rows_.field(index.column());
        if (rows_.isBooleanField(index.column()) && !value.toString().isEmpty())
            field.setBool(db::toBool(toValue(value)));  // "True", "-1", "1"
        else
            field.set(toValue(value));
        rows_.post();
        return true;
    } catch (const db::Error& e) {
        rows_.cancel();
        emit writeFailed(QString::fromStdString(e.what()));
        return false;
    }
}

void RowSetModel::onChange(db::RowSetChange change, int row) {
    switch (change) {
        case db::RowSetChange::Reset:
            reset();
            break;
        case db::RowSetChange::RowData:
            if (row >= 0 && row < rowCount_)
                emit dataChanged(index(row, 0), index(row, columnCount_ - 1));
            break;
        case db::RowSetChange::RowInserted:
            beginInsertRows({}, row, row);
            rowCount_ = rows_.rowCount();
            endInsertRows();
            break;
        case db::RowSetChange::RowRemoved:
            beginRemoveRows({}, row, row);
            rowCount_ = rows_.rowCount();
            endRemoveRows();
            break;
        case db::RowSetChange::CurrentRow:
            setCurrentRow(row);
            break;
        case db::RowSetChange::State:
            break;
    }
}

void RowSetModel::reset() {
    beginResetModel();
    // A closed set has no fields; keep the titles for when it reopens with the same ones.
    if (rows_.isActive() && rows_.fieldNames() != fieldNames_) {
        fieldNames_ = rows_.fieldNames();
        titles_.clear();
        for (const auto& name : fieldNames_) titles_.append(QString::fromStdString(name));
    }
    rowCount_ = rows_.rowCount();
    columnCount_ = rows_.fieldCount();
    currentRow_ = -1;
    endResetModel();
    setCurrentRow(rows_.isActive() ? rows_.rowNumber() : -1);
}

void RowSetModel::setCurrentRow(int row) {
    const int old = currentRow_;
    currentRow_ = row >= 0 && row < rowCount_ ? row : -1;
    if (old >= 0 && old < rowCount_) emit headerDataChanged(Qt::Vertical, old, old);
    if (currentRow_ >= 0) emit headerDataChanged(Qt::Vertical, currentRow_, currentRow_);
    emit currentRowChanged(currentRow_);
}

}  // namespace widgets
