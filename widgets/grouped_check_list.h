#pragma once
// A list of check boxes in groups: an item "//name" heads a group and opens or closes it
// when clicked; the items up to the next heading belong to it.
#include <QListWidget>
#include <QStringList>

namespace widgets {

class GroupedCheckList : public QListWidget {
    Q_OBJECT

public:
    explicit GroupedCheckList(QWidget* parent = nullptr);

    // Every item comes unticked, every group open.
    void addItems(const QStringList& texts);

    QStringList checkedItems() const;
    QString checkedText(const QString& separator) const;
    void setAllChecked(bool on);

    bool isGroupOpen(int headerRow) const;
    void setGroupOpen(int headerRow, bool open);
};

}  // namespace widgets
