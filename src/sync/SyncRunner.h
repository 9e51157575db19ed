#pragma once
// "Synchroniser..." for the open document: the calendar's settings asked the first time (and
// after a failure, to put them right), the password from the keyring or from this session, the
// exchange run in the background while the main window waits in "Load" (editing commands
// disabled, the window answering), its progress and "Annuler" in the status area, the incoming
// changes as one step of Undo, then the report.

#include "sync/SyncExchange.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class CalDavClient;
class SyncProgressBar;
class QWidget;

class SyncRunner : public QObject
{
    Q_OBJECT
public:
    // window: the parent of the dialogs; a close asked of it cancels the exchange first.
    explicit SyncRunner(QWidget* window, QObject* parent = nullptr);
    ~SyncRunner() override;

    // The command. Automatic (after an open or a save): only a document tied to a calendar, and
    // the report only when something moved or went wrong.
    void Run(bool automatic = false);
    void Cancel();
    bool Running() const { return m_exchange != nullptr; }

    // The widget the status area shows while an exchange runs.
    SyncProgressBar* Progress() const { return m_progress; }

signals:
    void Started();
    void Finished(const SyncOutcome& outcome); // the main window is back to editing; the report follows

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the settings (and the password); on OK they are the document's and the password is
    // kept for the session, and in the keyring when asked.
    std::optional<QString> AskSettings(const QString& password, bool remembered);
    void Start(const QString& password, bool automatic);
    void Ended(const SyncOutcome& outcome);
    void KeepStateOnDisk(bool daysChanged);
    void Report(const SyncOutcome& outcome);

    QPointer<QWidget> m_window;
    SyncProgressBar* m_progress;
    QHash<QString, QString> m_passwords; // this session's, by PasswordKey
    bool m_askFirst = false;             // the last exchange failed: the settings are shown again
    bool m_notKept = false;              // the keyring did not take the password
    bool m_automatic = false;
    bool m_closing = false; // the window is closing: no report
    bool m_wasSaved = false;
    SyncState m_stateBefore;
    CalendarDocument m_before;
    std::unique_ptr<CalDavClient> m_client;
    std::unique_ptr<SyncExchange> m_exchange;
};
