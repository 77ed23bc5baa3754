#include "widgets/record_navigator.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "db/query.h"
#include "widgets/dialog_service.h"

namespace widgets {

RecordNavigator::RecordNavigator(db::RowSet& rows, DialogService& dialogs, QWidget* parent)
    : QWidget(parent), rows_(rows), dialogs_(dialogs) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    addButton(First, "btnFirst", "首条", "第一条记录", [this] { rows_.first(); });
    addButton(Prior, "btnPrior", "上条", "上一条记录", [this] { rows_.prior(); });
    addButton(Next, "btnNext", "下条", "下一条记录", [this] { rows_.next(); });
    addButton(Last, "btnLast", "末条", "最后一条记录", [this] { rows_.last(); });
    addButton(Insert, "btnInsert", "新增", "新增一条记录", [this] { rows_.append(); });
    addButton(Delete, "btnDelete", "删除", "删除当前记录", [this] { removeCurrent(); });
    addButton(Edit, "btnEdit", "编辑", "编辑当前记录", [this] { rows_.edit(); });
    addButton(Post, "btnPost", "保存", "保存修改", [this] { rows_.post(); });
    addButton(Cancel, "btnCancel", "取消", "放弃修改", [this] { rows_.cancel(); });
    addButton(Refresh, "btnRefresh", "刷新", "重新读取数据", [this] {
        if (auto* query = dynamic_cast<db::Query*>(&rows_)) query->requery();
    });
    layout->addStretch();

    subscription_ = rows_.subscribe([this](db::RowSetChange, int) { updateButtons(); });
    updateButtons();
}

RecordNavigator::~RecordNavigator() {
    rows_.unsubscribe(subscription_);
}

void RecordNavigator::setButtons(Buttons visible) {
    for (const auto& [which, button] : buttons_) button->setVisible(visible.testFlag(which));
}

void RecordNavigator::addButton(Button which, const char* name, const QString& text,
                                const QString& tip, std::function<void()> action) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip);
    connect(button, &QToolButton::clicked, this,
            [this, action = std::move(action)] { run(action); });
    layout()->addWidget(button);
    buttons_[which] = button;
}

// A failed write leaves the set as it was, an edit still open for the user to correct.
void RecordNavigator::run(const std::function<void()>& action) {
    try {
        action();
    } catch (const db::Error& e) {
        dialogs_.error(this, kMessageTitle, QString::fromStdString(e.what()));
    }
    updateButtons();
}

void RecordNavigator::removeCurrent() {
    if (!dialogs_.confirm(this, kMessageTitle, QStringLiteral("删除当前记录吗？"))) return;
    rows_.remove();
    // Deleting the last row leaves the set past its end; the row before becomes current.
    if (rows_.eof() && !rows_.isEmpty()) rows_.last();
}

void RecordNavigator::updateButtons() {
    using State = db::RowSet::State;
    const State state = rows_.state();
    const bool active = state != State::Closed;
    const bool editing = state == State::Edit || state == State::Insert;
    const int row = rows_.rowNumber();
    const bool onRow = active && row >= 0 && row < rows_.rowCount();
    const bool atFirst = row <= 0;
    const bool atLast = row >= rows_.rowCount() - 1;

    buttons_[First]->setEnabled(active && !atFirst);
    buttons_[Prior]->setEnabled(active && !atFirst);
    buttons_[Next]->setEnabled(active && !atLast);
    buttons_[Last]->setEnabled(active && !atLast);
    buttons_[Insert]->setEnabled(active && state != State::Insert);
    buttons_[Delete]->setEnabled(onRow && state != State::Insert);
    buttons_[Edit]->setEnabled(onRow && state == State::Browse);
    buttons_[Post]->setEnabled(editing);
    buttons_[Cancel]->setEnabled(editing);
    buttons_[Refresh]->setEnabled(dynamic_cast<db::Query*>(&rows_) != nullptr);
}

}  // namespace widgets
