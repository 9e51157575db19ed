#include "platform/MessageBoxPrompter.h"

#include "platform/PasswordDialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon ToIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonText
{
    PromptAnswer answer;
    QMessageBox::StandardButton standard;
    const char16_t* text;
    QMessageBox::ButtonRole role;
};

// French labels: the program speaks French whatever the system's language.
constexpr ButtonText kButtons[] = {
    {PromptAnswer::Ok, QMessageBox::Ok, u"OK", QMessageBox::AcceptRole},
    {PromptAnswer::Cancel, QMessageBox::Cancel, u"Annuler", QMessageBox::RejectRole},
    {PromptAnswer::Yes, QMessageBox::Yes, u"&Oui", QMessageBox::YesRole},
    {PromptAnswer::No, QMessageBox::No, u"&Non", QMessageBox::NoRole},
    {PromptAnswer::Retry, QMessageBox::Retry, u"&Réessayer", QMessageBox::AcceptRole},
    {PromptAnswer::Abort, QMessageBox::Abort, u"&Abandonner", QMessageBox::RejectRole},
    {PromptAnswer::Ignore, QMessageBox::Ignore, u"&Ignorer", QMessageBox::AcceptRole},
};

QList<PromptAnswer> AnswersOf(PromptButtons b)
{
    switch (b) {
    case PromptButtons::Ok:
        return {PromptAnswer::Ok};
    case PromptButtons::OkCancel:
        return {PromptAnswer::Ok, PromptAnswer::Cancel};
    case PromptButtons::YesNo:
        return {PromptAnswer::Yes, PromptAnswer::No};
    case PromptButtons::YesNoCancel:
        return {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel};
    case PromptButtons::RetryCancel:
        return {PromptAnswer::Retry, PromptAnswer::Cancel};
    case PromptButtons::AbortRetryIgnore:
        return {PromptAnswer::Abort, PromptAnswer::Retry, PromptAnswer::Ignore};
    }
    return {PromptAnswer::Ok};
}

} // namespace

QWidget* MessageBoxPrompter::Parent() const
{
    // Started before any window exists: later prompts sit over the window the user works in.
    return m_parent ? m_parent : QApplication::activeWindow();
}

PromptAnswer MessageBoxPrompter::Ask(const PromptRequest& request)
{
    QMessageBox box(ToIcon(request.Icon), request.Title, QString(request.Text).replace(u'\r', u'\n'),
                    QMessageBox::NoButton, Parent());
    QHash<QAbstractButton*, PromptAnswer> answers;
    const QList<PromptAnswer> wanted = AnswersOf(request.Buttons);
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const PromptAnswer a = wanted[i];
        for (const ButtonText& b : kButtons) {
            if (b.answer != a) continue;
            const QString label =
                i < request.ButtonTexts.size() ? request.ButtonTexts[i] : QString::fromUtf16(b.text);
            QPushButton* button = box.addButton(label, b.role);
            answers.insert(button, a);
            if (a == request.DefaultButton.value_or(wanted.first())) box.setDefaultButton(button);
            if (a == PromptAnswer::Cancel || a == PromptAnswer::No || wanted.size() == 1)
                box.setEscapeButton(button);
        }
    }
    box.exec();
    const auto it = answers.constFind(box.clickedButton());
    if (it != answers.constEnd()) return *it;
    return wanted.contains(PromptAnswer::Cancel) ? PromptAnswer::Cancel : wanted.last();
}

std::optional<QString> MessageBoxPrompter::Input(const QString& title, const QString& prompt,
                                                 const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(Parent(), title, QString(prompt).replace(u'\r', u'\n'),
                                               QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

bool MessageBoxPrompter::AskPassword(const QString& expected, QString* typed)
{
    return PasswordDialog ? PasswordDialog(expected, typed) : AskPasswordDialog(Parent(), expected, typed);
}
