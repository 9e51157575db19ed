// The program's services that live in modules, each loaded at its first use (the tests and
// daybinder-cli link the same classes in instead). A module that cannot be loaded, which only a
// damaged installation does, makes that one service fail with a message: never the program.

#include "interchange/CalendarDownload.h"
#include "platform/Modules.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "summary/SummaryChart.h"
#include "sync/CalDavClient.h"

#include <QTimer>

namespace {

QString Unavailable(const char* module, const QString& why)
{
    return Str(20006).arg(QString::fromLatin1(module), why);
}

// Answers every request, later as a client must, with the reason the network is missing.
class UnavailableCalDavClient final : public QObject, public CalDavClient
{
public:
    explicit UnavailableCalDavClient(const QString& message) : m_failure{DavStatus::Failed, message} {}

    void Describe(std::function<void(const DavCollection&)> done) override { Fail(done, DavCollection()); }
    void ListYear(int, std::function<void(const DavListing&)> done) override { Fail(done, DavListing()); }
    void ListChanges(const QString&, std::function<void(const DavListing&)> done) override
    {
        Fail(done, DavListing());
    }
    void Fetch(const QStringList&, std::function<void(const DavFetch&)> done) override
    {
        Fail(done, DavFetch());
    }
    void Put(const QString&, const QByteArray&, const QString&,
             std::function<void(const DavWrite&)> done) override
    {
        Fail(done, DavWrite());
    }
    void Remove(const QString&, const QString&, std::function<void(const DavResult&)> done) override
    {
        QTimer::singleShot(0, this, [this, done] { done(m_failure); });
    }
    QString HrefFor(const QString& uid) const override { return uid + QStringLiteral(".ics"); }
    void CancelAll() override {}

private:
    template <typename Answer> void Fail(const std::function<void(const Answer&)>& done, Answer answer)
    {
        answer.Result = m_failure;
        QTimer::singleShot(0, this, [done, answer] { done(answer); });
    }

    DavResult m_failure;
};

class UnavailableDownload final : public CalendarDownload
{
public:
    explicit UnavailableDownload(const QString& message) : m_message(message) {}

    void Start(const QUrl&) override
    {
        m_running = true;
        QTimer::singleShot(0, this, [this] {
            m_running = false;
            emit Finished(false, {}, m_message);
        });
    }
    void Cancel() override {}
    bool Running() const override { return m_running; }

private:
    QString m_message;
    bool m_running = false;
};

} // namespace

std::unique_ptr<CalDavClient> MakeCalDavClient(const QUrl& collection, const QString& user,
                                               const QString& password)
{
    using Make = CalDavClient* (*)(const QUrl&, const QString&, const QString&);
    QString why;
    if (const auto make = ModuleFunctionAs<Make>("network", "daybinder_caldav_client", &why))
        return std::unique_ptr<CalDavClient>(make(collection, user, password));
    return std::make_unique<UnavailableCalDavClient>(Unavailable("network", why));
}

std::unique_ptr<CalendarDownload> MakeCalendarDownload()
{
    using Make = CalendarDownload* (*)();
    QString why;
    if (const auto make = ModuleFunctionAs<Make>("network", "daybinder_calendar_download", &why))
        return std::unique_ptr<CalendarDownload>(make());
    return std::make_unique<UnavailableDownload>(Unavailable("network", why));
}

void OpenChartWindow(QWidget* main)
{
    using Open = void (*)(QWidget*);
    QString why;
    if (const auto open = ModuleFunctionAs<Open>("chart", "daybinder_open_chart", &why))
        open(main);
    else
        ShowMessage(QStringLiteral("Daybinder"), Unavailable("chart", why), PromptIcon::Exclamation);
}
