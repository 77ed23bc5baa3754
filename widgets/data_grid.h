#pragma once
// The table every window shows a row set in: widths in characters, frozen leading
// columns, a mark on the current row, and the current row kept in step with the set.
#include <QTableView>
#include <map>
#include <optional>
#include <string>

#include "db/rowset.h"
#include "widgets/rowset_model.h"

namespace widgets {

class DataGrid : public QTableView {
    Q_OBJECT

public:
    explicit DataGrid(db::RowSet& rows, QWidget* parent = nullptr);

    RowSetModel& rowSetModel() { return *model_; }
    db::RowSet& rowSet() { return model_->rowSet(); }

    void setEditable(bool on);
    bool isEditable() const { return model_->isEditable(); }

    // A Chinese character counts as two. Kept when the row set reloads.
    void setColumnWidthChars(int column, int chars);

    // The leading columns stay in place while the others scroll sideways.
    void setFrozenColumns(int count);
    int frozenColumns() const { return frozenCount_; }
    QTableView* frozenView() const { return frozen_; }

    // Around a reload: nothing is drawn or told until resume, which resets the model once.
    void suspendUpdates();
    void resumeUpdates();

    // Keeps the current row's key so restoreRow finds that row again after a reload, or
    // else the same row number.
    void rememberRow(int keyColumn);
    void restoreRow();

    // The model column under a viewport point, or -1.
    int dataColumnAt(const QPoint& viewportPoint) const;

signals:
    void titleClicked(int column);

public:
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;

private:
    void showCurrentRow(int row);
    void onCurrentIndexChanged(const QModelIndex& current);
    void afterReset();
    void applyFrozen();
    int frozenWidth() const;
    void updateFrozenGeometry();

    RowSetModel* model_;
    QTableView* frozen_;
    int frozenCount_ = 0;
    std::map<int, int> widthChars_;
    struct RememberedRow {
        std::string keyField;
        std::optional<db::Value> key;
        int row = 0;
    };
    RememberedRow remembered_;
};

}  // namespace widgets
