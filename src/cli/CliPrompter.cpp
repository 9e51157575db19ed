#include "cli/CliPrompter.h"

#include "resources/Strings.h"

#include <cstdio>

void PrintError(const QString& text)
{
    QStringList lines;
    for (const QString& line : QString(text).replace(u'\n', u'\r').split(u'\r', Qt::SkipEmptyParts))
        lines.append(line.trimmed());
    lines.removeAll(QString());
    const QByteArray bytes = lines.join(u' ').toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

CliPrompter::CliPrompter(std::optional<QString> password) : m_password(std::move(password))
{
    Prompter::Install(this);
}

CliPrompter::~CliPrompter()
{
    Prompter::Install(nullptr);
}

PromptAnswer CliPrompter::Ask(const PromptRequest& request)
{
    PrintError(request.Text);
    switch (request.Buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel:
    case PromptButtons::RetryCancel:
        return PromptAnswer::Cancel; // nobody can fix and retry
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    case PromptButtons::AbortRetryIgnore:
        return PromptAnswer::Abort;
    }
    return PromptAnswer::Cancel;
}

bool CliPrompter::AskPassword(const QString& expected, QString* typed)
{
    // The first prompt gets the given password; a second one means it was refused.
    if (++m_asked > 1 || !m_password) {
        m_trouble = m_password ? PasswordTrouble::Refused : PasswordTrouble::Missing;
        return false;
    }
    if (!expected.isEmpty()) return *m_password == expected;
    if (typed) *typed = *m_password;
    return true;
}

QString CliPrompter::TroubleText() const
{
    switch (m_trouble) {
    case PasswordTrouble::Missing:
        return Str(1702);
    case PasswordTrouble::Refused:
        return Str(10047);
    case PasswordTrouble::None:
        break;
    }
    return {};
}
