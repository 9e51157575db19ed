#pragma once
// A prompter for tests: answers from a script and records every message it was asked.

#include "platform/Prompter.h"

#include <QList>
#include <QStringList>
#include <functional>

class ScriptedPrompter : public Prompter
{
public:
    ScriptedPrompter() { Prompter::Install(this); }
    ~ScriptedPrompter() override { Prompter::Install(nullptr); }

    QList<PromptRequest> Asked;
    QList<PromptAnswer> Answers;  // taken in order; the default button when none is left
    QStringList Passwords;        // typed at each password prompt; cancelled when none is left
    QStringList PasswordExpected; // the expected text each password prompt was given
    QList<std::optional<QString>> Inputs;
    QList<PromptRequest> InputAsked; // the title and prompt of each input box (no buttons)

    std::function<void(int asked)> OnAsk; // runs at each message, given how many came so far

    PromptAnswer Ask(const PromptRequest& request) override
    {
        Asked.append(request);
        if (OnAsk) OnAsk(int(Asked.size()));
        if (!Answers.isEmpty()) return Answers.takeFirst();
        return request.DefaultButton.value_or(PromptAnswer::Cancel);
    }

    std::optional<QString> Input(const QString& title, const QString& prompt, const QString&) override
    {
        PromptRequest asked;
        asked.Title = title;
        asked.Text = prompt;
        InputAsked.append(asked);
        return Inputs.isEmpty() ? std::nullopt : Inputs.takeFirst();
    }

    bool AskPassword(const QString& expected, QString* typed) override
    {
        PasswordExpected.append(expected);
        if (Passwords.isEmpty()) return false;
        const QString t = Passwords.takeFirst();
        if (!expected.isEmpty()) return t == expected;
        if (typed) *typed = t;
        return true;
    }
};
