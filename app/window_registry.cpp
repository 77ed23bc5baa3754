#include "app/window_registry.h"

#include <QDialog>
#include <QWidget>
#include <stdexcept>
#include <vector>

namespace app {

namespace {

using Reuse = WindowKind::Reuse;
using Show = WindowKind::Show;
using Errors = WindowKind::Errors;

// How the main window opens each of its windows. Errors that the launcher lets through
// reach the general error display, which shows them: they count as shown here.
const std::vector<WindowKind>& mainWindowTable() {
    static const std::vector<WindowKind> table = {
        {"frmCrcQuery", Reuse::Single, Show::Normal, Errors::Ignored},
        {"frmRoomCrc", Reuse::Single, Show::Normal, Errors::Shown},
        {"frmClassCrc", Reuse::Single, Show::Normal, Errors::Shown},
        {"frmCrcTeacher", Reuse::Single, Show::Normal, Errors::Shown},
        {"frmPreCrcPlanTask", Reuse::NewEachTime, Show::Normal, Errors::Shown},
        {"frmCoursePlanTask", Reuse::Single, Show::Normal, Errors::Shown},
        {"frmAdjust", Reuse::NewEachTime, Show::Normal, Errors::Shown},
        {"frmDataTableMaintain", Reuse::Single, Show::Normal, Errors::Shown},
        {"frmCrcsMerge", Reuse::Single, Show::Normal, Errors::Shown},
        {"frmSystemUpdate", Reuse::NewEachTime, Show::Modal, Errors::Shown},
        {"frmAnalysis", Reuse::Single, Show::Normal, Errors::Ignored},
        {"frmVerChange", Reuse::Single, Show::ModalWhenNew, Errors::Ignored},
        {"frmImportCoursePlan", Reuse::NewEachTime, Show::Normal, Errors::Shown},
        {"frmData", Reuse::Single, Show::ModalWhenNew, Errors::Ignored},
        {"frmAbout", Reuse::NewEachTime, Show::Modal, Errors::Shown},
    };
    return table;
}

void showModal(QWidget* window) {
    // open() keeps the event loop running: modal for the user, scriptable in tests.
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->open();
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
}

}  // namespace

WindowRegistry::WindowRegistry(QWidget& owner, widgets::DialogService& dialogs)
    : owner_(owner), dialogs_(dialogs) {}

WindowKind WindowRegistry::kindOf(const QString& name) {
    for (const auto& kind : mainWindowTable())
        if (kind.name == name) return kind;
    throw std::logic_error("window not in the main window's table: " + name.toStdString());
}

void WindowRegistry::add(const QString& name, WindowFactory factory) {
    add(kindOf(name), std::move(factory));
}

void WindowRegistry::add(const WindowKind& kind, WindowFactory factory) {
    windows_[kind.name] = Entry{kind, std::move(factory)};
}

QWidget* WindowRegistry::find(const QString& name) const {
    for (auto* child : owner_.findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly))
        if (child->isWindow()) return child;
    return nullptr;
}

QWidget* WindowRegistry::open(const QString& name) {
    const auto it = windows_.find(name);
    if (it == windows_.end()) return nullptr;
    try {
        return openEntry(it->second);
    } catch (const std::exception& e) {
        if (it->second.kind.errors == Errors::Shown)
            dialogs_.error(&owner_, widgets::kMessageTitle, QString::fromUtf8(e.what()));
        return nullptr;
    }
}

QWidget* WindowRegistry::openEntry(const Entry& entry) {
    const WindowKind& kind = entry.kind;
    if (kind.reuse == Reuse::Single) {
        if (QWidget* found = find(kind.name)) {
            found->show();
            found->raise();
            found->activateWindow();
            return found;
        }
    }
    QWidget* window = entry.factory(&owner_);
    if (!window) throw std::runtime_error("窗口无法建立：" + kind.name.toStdString());
    window->setParent(&owner_, window->windowFlags() | Qt::Window);
    window->setObjectName(kind.name);
    if (kind.reuse == Reuse::NewEachTime) window->setAttribute(Qt::WA_DeleteOnClose);
    if (kind.show == Show::Normal)
        window->show();
    else
        showModal(window);
    return window;
}

}  // namespace app
