#pragma once
// Opens windows by name: a single window is found again and shown with its state, others
// are made anew each time; modal or not; errors shown or ignored. Each window registers
// how it is made; the table of how each is opened lives here, not in every handler.
#include <QString>
#include <functional>
#include <map>

#include "widgets/dialog_service.h"

class QWidget;

namespace app {

struct WindowKind {
    enum class Reuse { Single, NewEachTime };
    enum class Show { Normal, Modal, ModalWhenNew };
    enum class Errors { Shown, Ignored };

    QString name;  // the window's objectName, by which it is found
    Reuse reuse = Reuse::Single;
    Show show = Show::Normal;
    Errors errors = Errors::Shown;
};

// Makes the window with `parent` as its owner; it must set the window's objectName.
using WindowFactory = std::function<QWidget*(QWidget* parent)>;

class WindowRegistry {
public:
    WindowRegistry(QWidget& owner, widgets::DialogService& dialogs);

    // For a window of the main window's table; its kind comes from there.
    void add(const QString& name, WindowFactory factory);
    // For any other window.
    void add(const WindowKind& kind, WindowFactory factory);
    bool isAvailable(const QString& name) const { return windows_.count(name) > 0; }

    // Shows the window, creating it when needed; null when it failed or is not available.
    QWidget* open(const QString& name);
    // The open (possibly hidden) single window of that name, or null.
    QWidget* find(const QString& name) const;

    static WindowKind kindOf(const QString& name);  // from the main window's table

private:
    struct Entry {
        WindowKind kind;
        WindowFactory factory;
    };
    QWidget* openEntry(const Entry& entry);

    QWidget& owner_;
    widgets::DialogService& dialogs_;
    std::map<QString, Entry> windows_;
};

}  // namespace app
