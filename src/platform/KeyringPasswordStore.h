#pragma once
// The password store of the program: the desktop's keyring (the Secret Service, KWallet...)
// through QtKeychain, never a file in clear. Where no keyring answers, Read finds nothing and
// Write says it kept nothing; the caller then keeps the password for the session only.

#include "platform/PasswordStore.h"

class KeyringPasswordStore : public PasswordStore
{
public:
    void Read(const QString& key, std::function<void(std::optional<QString>)> done) override;
    void Write(const QString& key, const QString& password, std::function<void(bool kept)> done) override;
    void Forget(const QString& key, std::function<void()> done) override;
};

// Makes the keyring the store of the program's passwords, for the whole run.
void InstallKeyringPasswordStore();
