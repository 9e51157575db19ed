#pragma once
// The real prompts: message boxes and input boxes with the program's texts, icons, buttons and
// default button.

#include "platform/Prompter.h"

#include <functional>

class QWidget;

class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    PromptAnswer Ask(const PromptRequest& request) override;
    std::optional<QString> Input(const QString& title, const QString& prompt,
                                 const QString& initial) override;
    bool AskPassword(const QString& expected, QString* typed) override;

    // Replaces the password prompt (PasswordDialog) when set.
    std::function<bool(const QString& expected, QString* typed)> PasswordDialog;

private:
    QWidget* Parent() const;

    QWidget* m_parent;
};
