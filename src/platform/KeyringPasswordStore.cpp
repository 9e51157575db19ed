#include "platform/KeyringPasswordStore.h"

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Daybinder");

// A job that deletes itself once it said how it went; never falls back to a file in clear.
template <class Job> Job* StartJob(const QString& key, std::function<void(QKeychain::Job*)> finished)
{
    auto* job = new Job(kService);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, job, std::move(finished));
    return job;
}

} // namespace

void KeyringPasswordStore::Read(const QString& key, std::function<void(std::optional<QString>)> done)
{
    StartJob<QKeychain::ReadPasswordJob>(key, [done = std::move(done)](QKeychain::Job* job) {
        const auto* read = static_cast<QKeychain::ReadPasswordJob*>(job);
        done(job->error() == QKeychain::NoError ? std::optional<QString>(read->textData()) : std::nullopt);
    })->start();
}

void KeyringPasswordStore::Write(const QString& key, const QString& password, std::function<void(bool)> done)
{
    auto* job = StartJob<QKeychain::WritePasswordJob>(
        key, [done = std::move(done)](QKeychain::Job* j) { done(j->error() == QKeychain::NoError); });
    job->setTextData(password);
    job->start();
}

void KeyringPasswordStore::Forget(const QString& key, std::function<void()> done)
{
    StartJob<QKeychain::DeletePasswordJob>(key, [done = std::move(done)](QKeychain::Job*) {
        done();
    })->start();
}

void InstallKeyringPasswordStore()
{
    static KeyringPasswordStore keyring;
    PasswordStore::Install(&keyring);
}
