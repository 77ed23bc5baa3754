#include "db/rowset.h"

#include <strings.h>

#include <algorithm>

#include "db/filter.h"

namespace db {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool sameValueIgnoringCase(const Value& a, const Value& b) {
    const auto* ta = std::get_if<std::string>(&a);
    const auto* tb = std::get_if<std::string>(&b);
    if (ta || tb) return sameName(toText(a), toText(b));
    return compareValues(a, b) == 0;
}

}  // namespace

const std::string& Field::name() const { return set_->columns_.at(index_); }
const Value& Field::value() const { return set_->currentValues().at(index_); }
void Field::set(Value v) { set_->setFieldValue(index_, std::move(v)); }

RowSet::RowSet() = default;

RowSet::RowSet(std::vector<std::string> columns) { load(std::move(columns), {}); }

RowSet::~RowSet() = default;

void RowSet::close() {
    columns_.clear();
    booleanFields_.clear();
    rows_.clear();
    alive_.clear();
    view_.clear();
    buffer_.clear();
    filter_.reset();
    sort_.reset();
    filterText_.clear();
    sortText_.clear();
    filtered_ = false;
    current_ = 0;
    state_ = State::Closed;
    notify(RowSetChange::Reset, -1);
}

void RowSet::load(std::vector<std::string> columns, std::vector<Row> rows,
                  std::vector<bool> booleanFields) {
    // A filter or sort set by the user survives a reload while its columns still exist.
    std::unique_ptr<Filter> filter;
    std::unique_ptr<SortOrder> sort;
    try {
        if (!filterText_.empty()) filter = std::make_unique<Filter>(Filter::parse(filterText_, columns));
        if (!sortText_.empty()) sort = std::make_unique<SortOrder>(SortOrder::parse(sortText_, columns));
    } catch (const Error&) {
        filterText_.clear();
        sortText_.clear();
        filtered_ = false;
    }
    filter_ = std::move(filter);
    sort_ = std::move(sort);
    columns_ = std::move(columns);
    booleanFields_ = std::move(booleanFields);
    booleanFields_.resize(columns_.size(), false);
    rows_ = std::move(rows);
    alive_.assign(rows_.size(), true);
    buffer_.clear();
    state_ = State::Browse;
    rebuildView();
}

std::optional<int> RowSet::findField(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (sameName(columns_[i], name)) return static_cast<int>(i);
    return std::nullopt;
}

int RowSet::fieldIndex(std::string_view name) const {
    if (auto i = findField(name)) return *i;
    throw Error("字段不存在：" + std::string(name));
}

bool RowSet::isBooleanField(int index) const {
    return index >= 0 && index < fieldCount() && booleanFields_[index];
}

std::string RowSet::displayText(int visibleRow, int column) const {
    const Value& v = row(visibleRow).at(column);
    if (isBooleanField(column) && !isNull(v)) return toBool(v) ? "True" : "False";
    return toText(v);
}

std::vector<std::string> RowSet::columnTexts(int column) const {
    std::vector<std::string> texts;
    texts.reserve(view_.size());
    for (int r = 0; r < rowCount(); ++r) texts.push_back(toText(row(r).at(column)));
    return texts;
}

Field RowSet::field(int index) {
    if (index < 0 || index >= fieldCount())
        throw Error("字段序号超出范围：" + std::to_string(index));
    return Field(*this, index);
}

void RowSet::requireCurrent() const {
    if (state_ == State::Closed) throw Error("结果集没有打开");
    if (state_ != State::Insert && (current_ < 0 || current_ >= rowCount()))
        throw Error("没有当前记录");
}

const Row& RowSet::currentValues() const {
    requireCurrent();
    if (state_ == State::Edit || state_ == State::Insert) return buffer_;
    return rows_[view_[current_]];
}

const Row& RowSet::row(int visibleRow) const {
    if (visibleRow < 0 || visibleRow >= rowCount()) throw Error("记录序号超出范围");
    if (state_ == State::Edit && visibleRow == current_) return buffer_;
    return rows_[view_[visibleRow]];
}

void RowSet::setFieldValue(int index, Value v) {
    if (state_ == State::Browse) edit();
    requireCurrent();
    buffer_.at(index) = std::move(v);
    notify(RowSetChange::RowData, state_ == State::Insert ? -1 : current_);
}

void RowSet::moveCurrent(int row) {
    postIfEditing();
    const int clamped = std::clamp(row, -1, rowCount());
    if (clamped == current_) return;
    current_ = clamped;
    notify(RowSetChange::CurrentRow, current_);
}

void RowSet::first() { moveCurrent(0); }
void RowSet::last() { moveCurrent(rowCount() - 1); }
void RowSet::next() { moveCurrent(current_ + 1); }
void RowSet::prior() { moveCurrent(current_ - 1); }
void RowSet::moveBy(int n) { moveCurrent(current_ + n); }

bool RowSet::moveTo(int row) {
    if (row < 0 || row >= rowCount()) return false;
    moveCurrent(row);
    return true;
}

RowSet::Bookmark RowSet::bookmark() const {
    requireCurrent();
    return view_[current_];
}

bool RowSet::gotoBookmark(Bookmark b) {
    const auto it = std::find(view_.begin(), view_.end(), b);
    if (it == view_.end()) return false;
    moveCurrent(static_cast<int>(it - view_.begin()));
    return true;
}

void RowSet::edit() {
    if (state_ == State::Edit || state_ == State::Insert) return;
    requireCurrent();
    buffer_ = rows_[view_[current_]];
    state_ = State::Edit;
    notify(RowSetChange::State, current_);
}

void RowSet::append() {
    if (state_ == State::Closed) throw Error("结果集没有打开");
    postIfEditing();
    buffer_.assign(columns_.size(), Value{});
    state_ = State::Insert;
    notify(RowSetChange::State, -1);
}

void RowSet::post() {
    if (state_ == State::Edit) {
        Row& stored = rows_[view_[current_]];
        writeUpdate(stored, buffer_);
        stored = std::move(buffer_);
        buffer_.clear();
        state_ = State::Browse;
        notify(RowSetChange::RowData, current_);
        notify(RowSetChange::State, current_);
    } else if (state_ == State::Insert) {
        writeInsert(buffer_);
        rows_.push_back(std::move(buffer_));
        alive_.push_back(true);
        buffer_.clear();
        view_.push_back(rows_.size() - 1);
        state_ = State::Browse;
        current_ = rowCount() - 1;
        notify(RowSetChange::RowInserted, current_);
        notify(RowSetChange::CurrentRow, current_);
    }
}

void RowSet::cancel() {
    if (state_ != State::Edit && state_ != State::Insert) return;
    buffer_.clear();
    const bool wasEdit = state_ == State::Edit;
    state_ = State::Browse;
    if (wasEdit) notify(RowSetChange::RowData, current_);
    notify(RowSetChange::State, current_);
}

void RowSet::remove() {
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    cancel();
    requireCurrent();
    const std::size_t index = view_[current_];
    writeDelete(rows_[index]);
    alive_[index] = false;
    view_.erase(view_.begin() + current_);
    notify(RowSetChange::RowRemoved, current_);
    notify(RowSetChange::CurrentRow, current_);
}

void RowSet::postIfEditing() {
    if (state_ == State::Edit || state_ == State::Insert) post();
}

bool RowSet::locate(std::string_view column, const Value& value) {
    const int col = fieldIndex(column);
    for (int r = 0; r < rowCount(); ++r) {
        if (sameValueIgnoringCase(rows_[view_[r]][col], value)) {
            moveCurrent(r);
            return true;
        }
    }
    return false;
}

void RowSet::setFilter(std::string text) {
    std::unique_ptr<Filter> parsed;
    if (!text.empty()) parsed = std::make_unique<Filter>(Filter::parse(text, columns_));
    postIfEditing();
    filter_ = std::move(parsed);
    filterText_ = std::move(text);
    if (filtered_) rebuildView();
}

void RowSet::setFiltered(bool on) {
    postIfEditing();
    filtered_ = on;
    rebuildView();
}

void RowSet::setSort(std::string text) {
    std::unique_ptr<SortOrder> parsed;
    if (!text.empty()) parsed = std::make_unique<SortOrder>(SortOrder::parse(text, columns_));
    postIfEditing();
    sort_ = std::move(parsed);
    sortText_ = std::move(text);
    rebuildView();
}

void RowSet::rebuildView() {
    view_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!alive_[i]) continue;
        if (filtered_ && filter_ && !filter_->matches(rows_[i])) continue;
        view_.push_back(i);
    }
    if (sort_)
        std::stable_sort(view_.begin(), view_.end(), [this](std::size_t a, std::size_t b) {
            return sort_->less(rows_[a], rows_[b]);
        });
    current_ = 0;
    notify(RowSetChange::Reset, -1);
}

int RowSet::subscribe(Listener listener) {
    listeners_[nextListener_] = std::move(listener);
    return nextListener_++;
}

void RowSet::unsubscribe(int id) { listeners_.erase(id); }

void RowSet::pauseNotifications() { ++paused_; }

void RowSet::resumeNotifications() {
    if (paused_ > 0 && --paused_ == 0) notify(RowSetChange::Reset, -1);
}

void RowSet::notify(RowSetChange change, int row) {
    if (paused_ > 0) return;
    // A listener may unsubscribe while being told; work on a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) listener(change, row);
}

void RowSet::writeUpdate(const Row&, Row&) {}
void RowSet::writeInsert(Row&) {}
void RowSet::writeDelete(const Row&) {}

}  // namespace db
