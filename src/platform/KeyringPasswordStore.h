#pragma once
// The password store of the program: the desktop's keyring (the Secret Service, KWallet...),
// never a file in clear, through the keyring module loaded at the first password read or kept.
// Where no keyring answers, or the module is missing, Read finds nothing and Write says it kept
// nothing; the caller then keeps the password for the session only.

// Makes the keyring the store of the program's passwords, for the whole run.
void InstallKeyringPasswordStore();
