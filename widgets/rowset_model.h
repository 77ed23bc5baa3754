#pragma once
// A table model over a row set owned elsewhere; it follows the set's notifications, also
// across a close and reopen.
#include <QAbstractTableModel>
#include <QStringList>
#include <string>
#include <vector>

#include "db/rowset.h"

namespace widgets {

class RowSetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowSetModel(db::RowSet& rows, QObject* parent = nullptr);
    ~RowSetModel() override;

    db::RowSet& rowSet() const { return rows_; }

    // Titles start as the field names; they survive a reopen with the same fields.
    void setTitle(int column, const QString& text);
    QString title(int column) const;

    void setEditable(bool on) { editable_ = on; }
    bool isEditable() const { return editable_; }

    // Moves the row set, reporting a failed post of the row being left through writeFailed.
    bool moveTo(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void currentRowChanged(int row);
    void writeFailed(const QString& message);

private:
    void onChange(db::RowSetChange change, int row);
    void reset();
    void setCurrentRow(int row);

    db::RowSet& rows_;
    int subscription_;
    bool editable_ = false;
    // What the views were last told, so begin/end pairs see the counts from before a change.
    int rowCount_ = 0;
    int columnCount_ = 0;
    int currentRow_ = -1;
    std::vector<std::string> fieldNames_;
    QStringList titles_;
};

}  // namespace widgets
