#pragma once
// The dialog of the synchronisation's settings: the calendar's address, the user name and the
// password, "Tester la connexion" (what the server says, shown under the boxes) and "Se souvenir
// du mot de passe". An http:// address of another machine is taken only once the user accepted
// that the password travels in clear. It changes nothing itself: the caller applies the values.

#include <QDialog>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

class CalDavClient;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct SyncSettings
{
    QString Url; // the collection's address, checked and ending in "/"
    QString User;
    QString Password;
    bool Remember = false;
};

class SyncDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SyncDialog(const SyncSettings& shown, QWidget* parent = nullptr);
    ~SyncDialog() override;

    // What OK took; the address as CollectionUrl gives it.
    SyncSettings Values() const { return m_values; }
    // The answer of "Tester la connexion" (empty until then).
    QString TestAnswer() const;

private:
    // The typed address checked, after the user's consent for http:// elsewhere; nothing (and a
    // message said) when it cannot serve.
    std::optional<QUrl> CheckedAddress();
    void Test();
    void OnOk();

    QLineEdit* m_url;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QCheckBox* m_remember;
    QPushButton* m_test;
    QLabel* m_answer;
    QString m_consented; // the http:// address the user accepted
    std::unique_ptr<CalDavClient> m_client;
    SyncSettings m_values;
};
