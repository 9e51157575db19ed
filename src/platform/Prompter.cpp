#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <atomic>
#include <thread>

namespace {

UnattendedPrompter g_unattended;
std::atomic<bool> g_stop{false};
Prompter* g_current = &g_unattended;

PromptAnswer FirstButton(PromptButtons b)
{
    switch (b) {
    case PromptButtons::Ok:
    case PromptButtons::OkCancel:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Yes;
    case PromptButtons::RetryCancel:
        return PromptAnswer::Retry;
    case PromptButtons::AbortRetryIgnore:
        return PromptAnswer::Abort;
    }
    return PromptAnswer::Ok;
}

bool HasGui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

Prompter& Prompter::Current()
{
    return *g_current;
}

void Prompter::Install(Prompter* prompter)
{
    g_current = prompter ? prompter : &g_unattended;
}

PromptAnswer UnattendedPrompter::Ask(const PromptRequest& request)
{
    qWarning("%s: %s", qPrintable(request.Title), qPrintable(QString(request.Text).replace(u'\r', u'\n')));
    // Nobody can retry here: a retry question is cancelled rather than looping.
    if (request.Buttons == PromptButtons::RetryCancel) return PromptAnswer::Cancel;
    if (request.Buttons == PromptButtons::AbortRetryIgnore) return PromptAnswer::Abort;
    return request.DefaultButton.value_or(FirstButton(request.Buttons));
}

PromptAnswer ShowMessage(const QString& title, const QString& text, PromptIcon icon, PromptButtons buttons,
                         std::optional<PromptAnswer> defaultButton)
{
    return Prompter::Current().Ask({title, text, icon, buttons, defaultButton, {}});
}

BusyCursor::BusyCursor()
{
    Resume();
}

BusyCursor::~BusyCursor()
{
    Restore();
}

void BusyCursor::Restore()
{
    if (m_active && HasGui()) QGuiApplication::restoreOverrideCursor();
    m_active = false;
}

void BusyCursor::Resume()
{
    if (!m_active && HasGui()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_active = true;
    }
}

void LetInterfaceRepaint()
{
    if (HasGui()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void RunWhileInterfaceAnswers(const std::function<void()>& work)
{
    if (!HasGui()) {
        work();
        return;
    }
    QCoreApplication::processEvents();
    QEventLoop loop;
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
}

void RequestStop()
{
    g_stop = true;
}

bool StopRequested()
{
    return g_stop;
}

void ClearStopRequest()
{
    g_stop = false;
}
