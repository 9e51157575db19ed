#include "platform/PasswordStore.h"

namespace {

PasswordStore* g_installed = nullptr;

} // namespace

PasswordStore& PasswordStore::Current()
{
    static MemoryPasswordStore memory;
    return g_installed ? *g_installed : memory;
}

void PasswordStore::Install(PasswordStore* store)
{
    g_installed = store;
}

QString PasswordKey(const QString& collectionUrl, const QString& user)
{
    return user + u'@' + collectionUrl;
}

void MemoryPasswordStore::Read(const QString& key, std::function<void(std::optional<QString>)> done)
{
    const auto it = m_passwords.constFind(key);
    done(it == m_passwords.constEnd() ? std::nullopt : std::optional<QString>(*it));
}

void MemoryPasswordStore::Write(const QString& key, const QString& password, std::function<void(bool)> done)
{
    m_passwords.insert(key, password);
    done(true);
}

void MemoryPasswordStore::Forget(const QString& key, std::function<void()> done)
{
    m_passwords.remove(key);
    done();
}
