#pragma once
// Every message box, question, input box and file dialog of the program goes through this,
// so window tests can answer them from a script.
#include <QString>
#include <optional>

class QWidget;

namespace widgets {

inline const QString kMessageTitle = QStringLiteral("系统消息");

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& title, const QString& text) = 0;
    // Yes and No buttons; true only on Yes.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // The typed text, or nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& title,
                                             const QString& prompt, const QString& placeholder) = 0;
    // The chosen file, or empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // Hands a written file to the desktop's default application, where there is one.
    virtual void openWithDesktop(const QString& path) = 0;
};

class QtDialogService : public DialogService {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void error(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt,
                                     const QString& placeholder) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    void openWithDesktop(const QString& path) override;
};

// Shows the busy cursor for a scope.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace widgets
