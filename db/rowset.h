#pragma once
// Rows held in memory with a current row, typed field access, edit/append/post/delete,
// locate, filter and sort. A Query fills it from SQL and writes changes back to the
// row's table; on its own it is an in-memory row set with declared columns.
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/datetime.h"
#include "db/value.h"

namespace db {

class Filter;
class SortOrder;
class RowSet;

using Row = std::vector<Value>;

// What a listener (a grid model) hears; `row` is the visible row it concerns, or -1.
enum class RowSetChange { Reset, CurrentRow, RowData, RowInserted, RowRemoved, State };

class Field {
public:
    Field(RowSet& set, int index) : set_(&set), index_(index) {}
    const std::string& name() const;
    int index() const { return index_; }

    const Value& value() const;
    bool isNull() const { return db::isNull(value()); }
    std::string asText() const { return toText(value()); }
    std::int64_t asInteger() const { return toInteger(value()); }
    bool asBool() const { return toBool(value()); }
    double asFloat() const { return toFloat(value()); }
    TimePoint asDateTime() const { return parseDateTime(asText()); }

    // Setting a field of a row being browsed puts the row into edit first.
    void set(Value v);
    void setText(std::string v) { set(std::move(v)); }
    void setInteger(std::int64_t v) { set(v); }
    void setBool(bool v) { set(std::int64_t{v ? 1 : 0}); }
    void setFloat(double v) { set(v); }
    void setDateTime(TimePoint t) { set(formatDateTime(t)); }

private:
    RowSet* set_;
    int index_;
};

class RowSet {
public:
    enum class State { Closed, Browse, Edit, Insert };
    using Bookmark = std::size_t;
    using Listener = std::function<void(RowSetChange, int row)>;

    RowSet();
    explicit RowSet(std::vector<std::string> columns);  // an open, empty in-memory row set
    virtual ~RowSet();
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    bool isActive() const { return state_ != State::Closed; }
    State state() const { return state_; }
    void close();

    int fieldCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<std::string>& fieldNames() const { return columns_; }
    std::optional<int> findField(std::string_view name) const;  // ASCII case ignored
    int fieldIndex(std::string_view name) const;                 // throws when missing
    Field field(std::string_view name) { return Field(*this, fieldIndex(name)); }
    Field field(int index);
    Field operator[](std::string_view name) { return field(name); }
    // Yes/no fields: those a table declares BOOLEAN; they show as "True" and "False".
    bool isBooleanField(int index) const;
    // A field's value as grids and exports show it.
    std::string displayText(int visibleRow, int column) const;
    // The texts of one column over the visible rows, in order.
    std::vector<std::string> columnTexts(int column) const;

    // Navigation over the visible rows, that is after filter and sort. Moving away from a
    // row being edited posts it first.
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int n);
    bool moveTo(int row);
    bool eof() const { return current_ >= rowCount(); }
    bool bof() const { return current_ < 0 || rowCount() == 0; }
    bool isEmpty() const { return rowCount() == 0; }
    int rowCount() const { return static_cast<int>(view_.size()); }
    int rowNumber() const { return current_; }  // 0-based
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark b);
    const Row& row(int visibleRow) const;  // for grids; the row being edited shows its edits
    Value valueAt(int visibleRow, int column) const { return row(visibleRow).at(column); }

    void edit();
    void append();
    void post();
    void cancel();
    void remove();

    // Moves to the first visible row whose column equals the value (text: case ignored).
    bool locate(std::string_view column, const Value& value);

    void setFilter(std::string text);  // parsed at once; a bad text throws and changes nothing
    const std::string& filterText() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    void setSort(std::string text);
    const std::string& sortText() const { return sortText_; }

    int subscribe(Listener listener);
    void unsubscribe(int id);
    // While paused, listeners hear nothing; resuming tells them once that everything changed.
    void pauseNotifications();
    void resumeNotifications();

protected:
    void load(std::vector<std::string> columns, std::vector<Row> rows,
              std::vector<bool> booleanFields = {});
    // Write-back hooks for sets that belong to a table; `row` may be completed (new keys).
    virtual void writeUpdate(const Row& before, Row& after);
    virtual void writeInsert(Row& row);
    virtual void writeDelete(const Row& row);

private:
    friend class Field;
    const Row& currentValues() const;
    void requireCurrent() const;
    void setFieldValue(int index, Value v);
    void rebuildView();
    void moveCurrent(int row);
    void notify(RowSetChange change, int row);
    void postIfEditing();

    std::vector<std::string> columns_;
    std::vector<bool> booleanFields_;
    std::vector<Row> rows_;
    std::vector<bool> alive_;
    std::vector<std::size_t> view_;  // indices into rows_
    int current_ = 0;
    State state_ = State::Closed;
    Row buffer_;
    std::string filterText_;
    std::string sortText_;
    bool filtered_ = false;
    std::unique_ptr<Filter> filter_;
    std::unique_ptr<SortOrder> sort_;
    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
    int paused_ = 0;
};

// Pauses a row set's listeners for a scope (a reload shown once, not row by row).
class NotificationPause {
public:
    explicit NotificationPause(RowSet& set) : set_(set) { set_.pauseNotifications(); }
    ~NotificationPause() { set_.resumeNotifications(); }
    NotificationPause(const NotificationPause&) = delete;
    NotificationPause& operator=(const NotificationPause&) = delete;

private:
    RowSet& set_;
};

}  // namespace db
