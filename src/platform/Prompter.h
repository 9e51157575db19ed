#pragma once
// The prompt seam: every message box, input box and password prompt of the program goes
// through the installed Prompter. The program installs one made of real dialogs; tests install
// a scripted one that answers and records every message.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

enum class PromptIcon
{
    None,
    Stop,
    Question,
    Exclamation,
    Information
};
enum class PromptButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    AbortRetryIgnore
};
enum class PromptAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry,
    Abort,
    Ignore
};

struct PromptRequest
{
    QString Title;
    QString Text; // line breaks as the program builds them (CR)
    PromptIcon Icon = PromptIcon::None;
    PromptButtons Buttons = PromptButtons::Ok;
    std::optional<PromptAnswer> DefaultButton; // the first button when empty
    QStringList ButtonTexts; // labels in place of the usual ones, in the order of the buttons
};

class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer Ask(const PromptRequest& request) = 0;

    // An input box; nothing when it was cancelled.
    virtual std::optional<QString> Input(const QString& title, const QString& prompt,
                                         const QString& initial) = 0;

    // The password prompt. With an empty expected text: true when confirmed, the typed text in
    // *typed. With an expected text: true only when the typed text equals it.
    virtual bool AskPassword(const QString& expected, QString* typed) = 0;

    static Prompter& Current();
    static void Install(Prompter* prompter); // nullptr restores the unattended one
};

// Used where nobody can answer (the headless tool, before the windows exist): messages go to
// the log, questions get their default answer, prompts are cancelled.
class UnattendedPrompter : public Prompter
{
public:
    PromptAnswer Ask(const PromptRequest& request) override;
    std::optional<QString> Input(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool AskPassword(const QString&, QString*) override { return false; }
};

// Shortcut for the common case.
PromptAnswer ShowMessage(const QString& title, const QString& text, PromptIcon icon = PromptIcon::None,
                         PromptButtons buttons = PromptButtons::Ok,
                         std::optional<PromptAnswer> defaultButton = std::nullopt);

// The busy pointer while a long operation runs; nests.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    void Restore(); // back to normal before the scope ends (a prompt is about to show)
    void Resume();

private:
    bool m_active = false;
};

// Lets pending window events run (repaints) during a long operation; no-op without a GUI.
void LetInterfaceRepaint();

// Runs work on a thread of its own while the windows answer the user, input included, and
// returns once it is done; without a GUI it simply runs it. Pending events run first, so a
// request posted just before is answered whatever the work's length. The commands that would
// start something else are held back by the mode; closing the program asks the work to stop.
void RunWhileInterfaceAnswers(const std::function<void()>& work);

// The user ended the program while a long operation ran: it stops at its next step and gives up
// (what it read is dropped). Asked from any thread.
void RequestStop();
bool StopRequested();
void ClearStopRequest();
