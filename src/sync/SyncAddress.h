#pragma once
// The address of a calendar collection as the user gives it, checked before any password is sent:
// https, or http on this machine; http elsewhere only once the user accepted that the password
// travels in clear.

#include <QString>
#include <QUrl>
#include <optional>

// True for localhost, 127.0.0.0/8 and ::1.
bool IsLocalHost(const QString& host);

// True when sending the password there needs the user's consent: http:// to another machine.
bool NeedsClearTextConsent(const QUrl& url);

// The collection's address, ending in "/"; nothing (and *error) when the text is no https://
// or http:// address, or an http:// one elsewhere than here without consent.
std::optional<QUrl> CollectionUrl(const QString& text, bool clearTextAccepted, QString* error);
