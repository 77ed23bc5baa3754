#pragma once
// A dialog service for window tests: answers from queues set by the test and remembers
// every message shown.
#include <deque>
#include <optional>
#include <vector>

#include "widgets/dialog_service.h"

namespace testing_support {

class ScriptedDialogs : public widgets::DialogService {
public:
    struct Shown {
        QString kind;  // "information", "error", "confirm", "input", "open"
        QString title;
        QString text;
    };

    void information(QWidget*, const QString& title, const QString& text) override;
    void error(QWidget*, const QString& title, const QString& text) override;
    // Answers from `confirmAnswers`; Yes when the queue is empty.
    bool confirm(QWidget*, const QString& title, const QString& text) override;
    // Answers from `inputAnswers` (nothing = cancelled); cancelled when the queue is empty.
    std::optional<QString> inputText(QWidget*, const QString& title, const QString& prompt,
                                     const QString& placeholder) override;
    QString openFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& filter) override;
    void openWithDesktop(const QString& path) override { opened.push_back(path); }

    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> fileAnswers;
    std::vector<Shown> shown;
    std::vector<QString> opened;

    // Texts of the messages shown so far (information and error boxes), in order.
    std::vector<QString> messages() const;
};

}  // namespace testing_support
