#pragma once
// Where the password of a calendar server is kept between sessions: the desktop's keyring in the
// program, a store in memory in tests. Asynchronous, as keyrings are; a store that cannot keep a
// password says so, and the password is then asked once per session, never written in clear.

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

class PasswordStore
{
public:
    virtual ~PasswordStore() = default;

    // The password kept for the key; nothing when none is kept or no keyring answers.
    virtual void Read(const QString& key, std::function<void(std::optional<QString>)> done) = 0;
    // Keeps the password; kept is false when no keyring took it.
    virtual void Write(const QString& key, const QString& password, std::function<void(bool kept)> done) = 0;
    virtual void Forget(const QString& key, std::function<void()> done) = 0;

    static PasswordStore& Current();
    static void Install(PasswordStore* store); // nullptr restores the one in memory
};

// The key of a collection's password: "user@address".
QString PasswordKey(const QString& collectionUrl, const QString& user);

class MemoryPasswordStore : public PasswordStore
{
public:
    void Read(const QString& key, std::function<void(std::optional<QString>)> done) override;
    void Write(const QString& key, const QString& password, std::function<void(bool)> done) override;
    void Forget(const QString& key, std::function<void()> done) override;

private:
    QHash<QString, QString> m_passwords;
};
