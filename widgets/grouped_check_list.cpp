#include "widgets/grouped_check_list.h"

namespace widgets {

namespace {

const QString kHeaderPrefix = QStringLiteral("//");
constexpr int kGroupNameRole = Qt::UserRole;
constexpr int kOpenRole = Qt::UserRole + 1;

QString headerText(const QString& name, bool open) {
    return (open ? QStringLiteral("▾ ") : QStringLiteral("▸ ")) + name;
}

bool isHeader(const QListWidgetItem* item) {
    return item->data(kGroupNameRole).isValid();
}

}  // namespace

GroupedCheckList::GroupedCheckList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (isHeader(item)) setGroupOpen(row(item), !isGroupOpen(row(item)));
    });
}

void GroupedCheckList::addItems(const QStringList& texts) {
    for (const QString& text : texts) {
        auto* item = new QListWidgetItem(this);
        if (text.startsWith(kHeaderPrefix)) {
            const QString name = text.mid(kHeaderPrefix.size());
            item->setData(kGroupNameRole, name);
            item->setData(kOpenRole, true);
            item->setText(headerText(name, true));
            item->setFlags(Qt::ItemIsEnabled);
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
        } else {
            item->setText(text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
}

QStringList GroupedCheckList::checkedItems() const {
    QStringList texts;
    for (int r = 0; r < count(); ++r) {
        const QListWidgetItem* it = item(r);
        if (!isHeader(it) && it->checkState() == Qt::Checked) texts.append(it->text());
    }
    return texts;
}

QString GroupedCheckList::checkedText(const QString& separator) const {
    return checkedItems().join(separator);
}

void GroupedCheckList::setAllChecked(bool on) {
    for (int r = 0; r < count(); ++r)
        if (!isHeader(item(r))) item(r)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

bool GroupedCheckList::isGroupOpen(int headerRow) const {
    const QListWidgetItem* header = item(headerRow);
    return header && isHeader(header) && header->data(kOpenRole).toBool();
}

void GroupedCheckList::setGroupOpen(int headerRow, bool open) {
    QListWidgetItem* header = item(headerRow);
    if (!header || !isHeader(header)) return;
    header->setData(kOpenRole, open);
    header->setText(headerText(header->data(kGroupNameRole).toString(), open));
    for (int r = headerRow + 1; r < count() && !isHeader(item(r)); ++r) item(r)->setHidden(!open);
}

}  // namespace widgets
