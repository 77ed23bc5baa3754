#include "tests/support/scripted_dialogs.h"

namespace testing_support {

void ScriptedDialogs::information(QWidget*, const QString& title, const QString& text) {
    shown.push_back({"information", title, text});
}

void ScriptedDialogs::error(QWidget*, const QString& title, const QString& text) {
    shown.push_back({"error", title, text});
}

bool ScriptedDialogs::confirm(QWidget*, const QString& title, const QString& text) {
    shown.push_back({"confirm", title, text});
    if (confirmAnswers.empty()) return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::inputText(QWidget*, const QString& title,
                                                  const QString& prompt, const QString&) {
    shown.push_back({"input", title, prompt});
    if (inputAnswers.empty()) return std::nullopt;
    const bool cancelled = !inputAnswers.front().has_value();
    const QString typed = inputAnswers.front().value_or(QString());
    inputAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return typed;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString&,
                                      const QString& filter) {
    shown.push_back({"open", title, filter});
    if (fileAnswers.empty()) return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::vector<QString> ScriptedDialogs::messages() const {
    std::vector<QString> texts;
    for (const auto& s : shown)
        if (s.kind == "information" || s.kind == "error") texts.push_back(s.text);
    return texts;
}

}  // namespace testing_support
