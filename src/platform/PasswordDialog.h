#pragma once
// The password prompt: asks for the password of a protected document, or asks to type a new
// password again to confirm it.

#include <QDialog>
#include <QPixmap>

class QLineEdit;

class PasswordDialog : public QDialog
{
    Q_OBJECT
public:
    // An empty expected text asks for the password to read the document; any other asks to
    // confirm that password.
    explicit PasswordDialog(const QString& expected, QWidget* parent = nullptr);

    // After closing: 1 and the typed text trimmed after Ok; 0 and an empty text otherwise.
    qint32 Result() const { return m_result; }
    QString Typed() const { return m_typed; }

protected:
    void done(int result) override;

private:
    QLineEdit* m_password = nullptr;
    qint32 m_result = 0;
    QString m_typed;
};

// Shows the prompt modally. Without an expected text: true after Ok, with the typed text in
// *typed. With one: true only when the typed text equals it. False after Cancel.
bool AskPasswordDialog(QWidget* parent, const QString& expected, QString* typed);

// The prompt's padlock, drawn for the display's colour depth (16, 256, or -1 for richer).
// Drawn at the screen's pixel ratio, so that it stays sharp on a dense screen.
QPixmap PadlockPicture(int colourDepth, qreal devicePixelRatio = 1);
