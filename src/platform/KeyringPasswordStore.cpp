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
        if (PasswordStore* keyring = Keyring())
            keyring->Read(key, std::move(done));
        else
            done(std::nullopt);
    }

    void Write(const QString& key, const QString& password, std::function<void(bool kept)> done) override
    {
        if (PasswordStore* keyring = Keyring())
            keyring->Write(key, password, std::move(done));
        else
            done(false);
    }

    void Forget(const QString& key, std::function<void()> done) override
    {
        if (PasswordStore* keyring = Keyring())
            keyring->Forget(key, std::move(done));
        else
            done();
    }

private:
    PasswordStore* Keyring()
    {
        if (m_tried) return m_keyring;
        m_tried = true;
        using Store = PasswordStore* (*)();
        if (const auto store = ModuleFunctionAs<Store>("keyring", "daybinder_keyring_store"))
            m_keyring = store();
        return m_keyring;
    }

    bool m_tried = false;
    PasswordStore* m_keyring = nullptr;
};

} // namespace

void InstallKeyringPasswordStore()
{
    static LazyKeyringStore keyring;
    PasswordStore::Install(&keyring);
}
