#pragma once
// A row of buttons that move through, edit and refresh a row set.
#include <QWidget>
#include <functional>
#include <map>

#include "db/rowset.h"

class QToolButton;

namespace widgets {

class DialogService;

class RecordNavigator : public QWidget {
    Q_OBJECT

public:
    enum Button {
        First = 0x001,
        Prior = 0x002,
        Next = 0x004,
        Last = 0x008,
        Insert = 0x010,
        Delete = 0x020,
        Edit = 0x040,
        Post = 0x080,
        Cancel = 0x100,
        Refresh = 0x200,
        AllButtons = 0x3ff,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    RecordNavigator(db::RowSet& rows, DialogService& dialogs, QWidget* parent = nullptr);
    ~RecordNavigator() override;

    void setButtons(Buttons visible);
    QToolButton* button(Button which) const { return buttons_.at(which); }

private:
    void addButton(Button which, const char* name, const QString& text, const QString& tip,
                   std::function<void()> action);
    void run(const std::function<void()>& action);
    void removeCurrent();
    void updateButtons();

    db::RowSet& rows_;
    DialogService& dialogs_;
    int subscription_;
    std::map<Button, QToolButton*> buttons_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RecordNavigator::Buttons)

}  // namespace widgets
