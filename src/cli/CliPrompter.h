#pragma once
// The prompts of daybinder-cli: nobody is there to answer, so every message is printed on
// standard error as one line of UTF-8, questions get the answer that ends the operation, and
// the password prompt is answered once, with the password from the command line.

#include "platform/Prompter.h"

#include <optional>

// One line on standard error, in UTF-8; the message's line breaks become blanks.
void PrintError(const QString& text);

class CliPrompter : public Prompter
{
public:
    explicit CliPrompter(std::optional<QString> password);
    ~CliPrompter() override;

    PromptAnswer Ask(const PromptRequest& request) override;
    std::optional<QString> Input(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool AskPassword(const QString& expected, QString* typed) override;

    enum class PasswordTrouble
    {
        None,
        Missing,
        Refused
    };
    // Why a protected file could not be opened: no password given, or the one given was wrong.
    PasswordTrouble Trouble() const { return m_trouble; }
    // The program's text for that trouble.
    QString TroubleText() const;

private:
    std::optional<QString> m_password;
    int m_asked = 0;
    PasswordTrouble m_trouble = PasswordTrouble::None;
};
