#include "widgets/data_grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace widgets {

DataGrid::DataGrid(db::RowSet& rows, QWidget* parent)
    : QTableView(parent), model_(new RowSetModel(rows, this)), frozen_(new QTableView(this)) {
    setModel(model_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setEditTriggers(NoEditTriggers);
    horizontalHeader()->setSectionsClickable(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("▶▶")));

    // After Qt's frozen-column example: a second view over the same model and selection,
    // laid over the leading columns, showing only those.
    frozen_->setModel(model_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setSelectionBehavior(SelectRows);
    frozen_->setEditTriggers(NoEditTriggers);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->verticalHeader()->hide();
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->horizontalHeader()->setSectionsClickable(true);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    frozen_->hide();
    viewport()->stackUnder(frozen_);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (column >= frozenCount_) return;
                frozen_->setColumnWidth(column, size);
                updateFrozenGeometry();
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    connect(frozen_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &DataGrid::titleClicked);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DataGrid::onCurrentIndexChanged);
    connect(model_, &RowSetModel::currentRowChanged, this, &DataGrid::showCurrentRow);
    connect(model_, &QAbstractItemModel::modelReset, this, &DataGrid::afterReset);
    showCurrentRow(rows.isActive() ? rows.rowNumber() : -1);
}

void DataGrid::setEditable(bool on) {
    model_->setEditable(on);
    const EditTriggers triggers =
        on ? DoubleClicked | EditKeyPressed | AnyKeyPressed : NoEditTriggers;
    setEditTriggers(triggers);
    frozen_->setEditTriggers(triggers);
}

void DataGrid::setColumnWidthChars(int column, int chars) {
    widthChars_[column] = chars;
    // The delegate keeps a small margin either side of the text.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    setColumnWidth(column, chars * fontMetrics().averageCharWidth() + margin);
}

void DataGrid::setFrozenColumns(int count) {
    frozenCount_ = std::max(0, count);
    applyFrozen();
}

void DataGrid::suspendUpdates() {
    setUpdatesEnabled(false);
    rowSet().pauseNotifications();
}

void DataGrid::resumeUpdates() {
    rowSet().resumeNotifications();
    setUpdatesEnabled(true);
}

void DataGrid::rememberRow(int keyColumn) {
    const db::RowSet& rows = rowSet();
    remembered_ = {};
    remembered_.row = rows.rowNumber();
    if (!rows.isActive() || keyColumn < 0 || keyColumn >= rows.fieldCount() ||
        rows.rowNumber() < 0 || rows.rowNumber() >= rows.rowCount())
        return;
    remembered_.keyField = rows.fieldNames()[keyColumn];
    remembered_.key = rows.valueAt(rows.rowNumber(), keyColumn);
}

void DataGrid::restoreRow() {
    db::RowSet& rows = rowSet();
    if (!rows.isActive() || rows.isEmpty()) return;
    if (const auto column = remembered_.key ? rows.findField(remembered_.keyField) : std::nullopt) {
        for (int r = 0; r < rows.rowCount(); ++r) {
            if (db::compareValues(rows.valueAt(r, *column), *remembered_.key) == 0) {
                rows.moveTo(r);
                return;
            }
        }
    }
    rows.moveTo(std::clamp(remembered_.row, 0, rows.rowCount() - 1));
}

int DataGrid::dataColumnAt(const QPoint& viewportPoint) const {
    if (frozen_->isVisible() && viewportPoint.x() < frozenWidth())
        return frozen_->columnAt(viewportPoint.x());
    return columnAt(viewportPoint.x());
}

// A scrolling column must come out beside the frozen ones, not beneath them; a frozen one
// needs no sideways scrolling at all.
void DataGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int x = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < frozenCount_) {
        horizontalScrollBar()->setValue(x);
        return;
    }
    const int hidden = frozenWidth() - visualRect(index).left();
    if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

void DataGrid::updateGeometries() {
    QTableView::updateGeometries();
    updateFrozenGeometry();
}

void DataGrid::showCurrentRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model_->index(row, std::max(currentIndex().column(), 0));
    if (currentIndex().row() != row)
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void DataGrid::onCurrentIndexChanged(const QModelIndex& current) {
    if (!current.isValid() || current.row() == rowSet().rowNumber()) return;
    // The row being left could not be saved: stay on it, its edit kept.
    if (!model_->moveTo(current.row())) showCurrentRow(rowSet().rowNumber());
}

// A set that closes drops the views' sections; reopened, they start afresh.
void DataGrid::afterReset() {
    for (const auto& [column, chars] : widthChars_)
        if (column < model_->columnCount()) setColumnWidthChars(column, chars);
    applyFrozen();
}

void DataGrid::applyFrozen() {
    for (int c = 0; c < model_->columnCount(); ++c) {
        frozen_->setColumnHidden(c, c >= frozenCount_);
        if (c < frozenCount_) frozen_->setColumnWidth(c, columnWidth(c));
    }
    frozen_->setVisible(frozenCount_ > 0);
    updateFrozenGeometry();
}

int DataGrid::frozenWidth() const {
    int width = 0;
    for (int c = 0; c < std::min(frozenCount_, model_->columnCount()); ++c) width += columnWidth(c);
    return width;
}

void DataGrid::updateFrozenGeometry() {
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), frozenWidth(),
                         viewport()->height() + horizontalHeader()->height());
}

}  // namespace widgets
