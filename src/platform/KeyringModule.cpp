// The keyring module the program loads when a password is first read or kept: QtKeychain and
// the desktop bus it speaks over stay out of every start.

#include "platform/PasswordStore.h"

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

// The desktop's keyring (the Secret Service, KWallet...) through QtKeychain, never a file in
// clear.
class KeyringPasswordStore final : public PasswordStore
{
public:
    void Read(const QString& key, std::function<void(std::optional<QString>)> done) override;
    void Write(const QString& key, const QString& password, std::function<void(bool kept)> done) override;
    void Forget(const QString& key, std::function<void()> done) override;
};

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

extern "C" Q_DECL_EXPORT PasswordStore* daybinder_keyring_store()
{
    static KeyringPasswordStore keyring;
    return &keyring;
}
