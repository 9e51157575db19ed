#include "platform/KeyringPasswordStore.h"

#include "platform/Modules.h"
#include "platform/PasswordStore.h"

namespace {

// Hands every request to the keyring module, loaded at the first one.
class LazyKeyringStore final : public PasswordStore
{
public:
    void Read(const QString& key, std::function<void(std::optional<QString>)> done) override
    {
        if (PasswordStore* keyring = m_keyring.Get())
            keyring->Read(key, std::move(done));
        else
            done(std::nullopt);
    }

    void Write(const QString& key, const QString& password, std::function<void(bool kept)> done) override
    {
        if (PasswordStore* keyring = m_keyring.Get())
            keyring->Write(key, password, std::move(done));
        else
            done(false);
    }

    void Forget(const QString& key, std::function<void()> done) override
    {
        if (PasswordStore* keyring = m_keyring.Get())
            keyring->Forget(key, std::move(done));
        else
            done();
    }

private:
    ModuleObject<PasswordStore> m_keyring{"keyring", "daybinder_keyring_store"};
};

} // namespace

void InstallKeyringPasswordStore()
{
    static LazyKeyringStore keyring;
    PasswordStore::Install(&keyring);
}
