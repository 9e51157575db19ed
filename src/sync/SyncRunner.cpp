#include "sync/SyncRunner.h"

#include "calfile/CalFile.h"
#include "document/DocumentChanges.h"
#include "document/Session.h"
#include "interchange/InterchangeFiles.h"
#include "platform/PasswordStore.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "sync/CalDavClient.h"
#include "sync/SyncDialog.h"
#include "sync/SyncProgressBar.h"

#include <QEvent>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

namespace {

const QString kTitle = QStringLiteral("Daybinder");

QString CurrentKey()
{
    const SyncState& sync = Session::Get().CurrentDocument.Sync;
    return PasswordKey(sync.CollectionUrl, sync.UserName);
}

bool MayStart()
{
    const Session& s = Session::Get();
    return s.Mode() == MainMode::Edit && !s.RefreshInProgress;
}

bool NothingMoved(const SyncCounts& c)
{
    return c.Sent == 0 && c.Received == 0 && c.Deleted == 0 && c.Conflicts == 0;
}

} // namespace

SyncRunner::SyncRunner(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window), m_progress(new SyncProgressBar)
{
    m_progress->hide();
    connect(m_progress->CancelButton(), &QPushButton::clicked, this, &SyncRunner::Cancel);
    if (window) window->installEventFilter(this);
}

SyncRunner::~SyncRunner()
{
    m_exchange.reset(); // before its client
    if (!m_progress->parent()) delete m_progress;
}

bool SyncRunner::eventFilter(QObject* watched, QEvent* event)
{
    // The program ends once the exchange has stopped: what the server confirmed is kept.
    if (watched == m_window && event->type() == QEvent::Close && Running()) {
        m_closing = true;
        Cancel();
    }
    return QObject::eventFilter(watched, event);
}

void SyncRunner::Run(bool automatic)
{
    if (Running() || !MayStart()) return;
    const CalendarDocument& doc = Session::Get().CurrentDocument;
    if (automatic && !doc.Sync.Configured()) return;
    m_stateBefore = doc.Sync;
    m_wasSaved = doc.IsSaved;
    if (!doc.Sync.Configured()) {
        if (const std::optional<QString> password = AskSettings(QString(), false))
            Start(*password, automatic);
        return;
    }
    const QString key = CurrentKey();
    if (m_passwords.contains(key) && !m_askFirst) {
        Start(m_passwords.value(key), automatic);
        return;
    }
    // The keyring answers later; the document may be busy by then.
    PasswordStore::Current().Read(
        key, [self = QPointer<SyncRunner>(this), key, automatic](std::optional<QString> kept) {
            if (!self || self->Running() || !MayStart() || CurrentKey() != key) return;
            if (kept && !self->m_askFirst) {
                self->m_passwords.insert(key, *kept);
                self->Start(*kept, automatic);
                return;
            }
            const QString shown = kept.value_or(self->m_passwords.value(key));
            if (const std::optional<QString> password = self->AskSettings(shown, kept.has_value()))
                self->Start(*password, automatic);
        });
}

std::optional<QString> SyncRunner::AskSettings(const QString& password, bool remembered)
{
    SyncState& sync = Session::Get().CurrentDocument.Sync;
    SyncDialog dialog({sync.CollectionUrl, sync.UserName, password, remembered}, m_window);
    if (dialog.exec() != QDialog::Accepted || !MayStart()) return std::nullopt;
    const SyncSettings v = dialog.Values();
    sync.TieTo(v.Url, v.User);
    const QString key = PasswordKey(v.Url, v.User);
    m_passwords.insert(key, v.Password);
    m_askFirst = false;
    if (v.Remember)
        PasswordStore::Current().Write(key, v.Password, [self = QPointer<SyncRunner>(this)](bool kept) {
            if (self && !kept) self->m_notKept = true;
        });
    else
        PasswordStore::Current().Forget(key, [] {});
    return v.Password;
}

void SyncRunner::Start(const QString& password, bool automatic)
{
    Session& s = Session::Get();
    CalendarDocument& doc = s.CurrentDocument;
    m_automatic = automatic;
    m_closing = false;
    m_before = doc;
    m_client = MakeCalDavClient(QUrl(doc.Sync.CollectionUrl), doc.Sync.UserName, password);
    m_exchange = std::make_unique<SyncExchange>(*m_client, doc);
    // What the server brought is one step of Undo; identities alone are no change to save.
    m_exchange->SetApplyStep([this](const QList<int>&, const std::function<void()>& apply) {
        Session& session = Session::Get();
        ChangeStep step(Str(28019));
        apply();
        const auto days = ChangedDays(m_before, session.CurrentDocument);
        for (int m = 1; m <= 12; ++m)
            for (int c = kFirstCell; c <= kLastCell; ++c)
                if (days.test(DayIndex(m, c))) {
                    session.SetModified(PartMonthEntries, true, m);
                    break;
                }
    });
    connect(m_exchange.get(), &SyncExchange::Progress, this,
            [this](int done, int total, const QString& stage) {
                m_progress->Show(done, total, stage);
                Session::Get().SetProgressLine(1, stage);
            });
    // Ended after the exchange's own call has returned: it is released there.
    connect(m_exchange.get(), &SyncExchange::Finished, this, [this](const SyncOutcome& outcome) {
        QMetaObject::invokeMethod(
            this, [this, outcome] { Ended(outcome); }, Qt::QueuedConnection);
    });
    s.SetMode(MainMode::Load);
    s.SetProgressLine(0, Str(28019));
    m_progress->CancelButton()->setEnabled(true);
    m_progress->show();
    emit Started();
    m_exchange->Start();
}

void SyncRunner::Cancel()
{
    if (!Running()) return;
    m_progress->CancelButton()->setEnabled(false);
    m_exchange->Cancel();
}

void SyncRunner::Ended(const SyncOutcome& outcome)
{
    m_exchange.reset();
    m_client.reset();
    Session& s = Session::Get();
    if (outcome.Failure == DavStatus::Unauthorized) m_passwords.remove(CurrentKey());
    m_askFirst = outcome.End == SyncOutcome::Failed;
    const auto days = ChangedDays(m_before, s.CurrentDocument);
    KeepStateOnDisk(days.any());
    m_progress->hide();
    s.SetProgressLine(0, QString());
    s.SetProgressLine(1, QString());
    s.SetMode(MainMode::Edit);
    for (int m = 1; m <= 12; ++m)
        for (int c = kFirstCell; c <= kLastCell; ++c)
            if (days.test(DayIndex(m, c))) s.NotifyDayCellChanged(m, c);
    s.RequestRefresh(-1);
    m_before = CalendarDocument();
    emit Finished(outcome);
    if (!m_closing) Report(outcome);
}

// A document that was saved and received nothing is written again at once with what the
// exchange recorded, so that the file on disk and the server stay paired.
void SyncRunner::KeepStateOnDisk(bool daysChanged)
{
    Session& s = Session::Get();
    CalendarDocument& doc = s.CurrentDocument;
    if (!m_wasSaved || daysChanged || doc.FilePath.isEmpty() || doc.Sync == m_stateBefore) return;
    if (!WriteCalFile(doc.FilePath, doc)) return;
    s.SetModified(PartAll, false);
    s.SavedDocument = doc;
}

void SyncRunner::Report(const SyncOutcome& outcome)
{
    if (m_automatic && outcome.Ok() && NothingMoved(outcome.Counts)) return;
    const QString lost = QStringLiteral("\n\n") + Str(28015);
    switch (outcome.End) {
    case SyncOutcome::Done: {
        QString text = outcome.Report();
        if (m_notKept) text += QStringLiteral("\n\n") + Str(28032);
        m_notKept = false;
        ShowMessage(kTitle, text, PromptIcon::Information);
        break;
    }
    case SyncOutcome::Cancelled:
        ShowMessage(kTitle, Str(28007) + lost, PromptIcon::Information);
        break;
    case SyncOutcome::Failed:
        ShowMessage(kTitle, outcome.Message + lost, PromptIcon::Stop);
        break;
    }
}
