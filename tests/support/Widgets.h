#pragma once
// A dialog's controls found by name and used as a user does, for the window tests.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The child control of that name; the test stops at once when there is none.
template <class W = QWidget> W* Find(const QObject* parent, const QString& name)
{
    W* w = parent->findChild<W*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
}

inline QLineEdit* Box(const QObject* parent, const QString& name)
{
    return Find<QLineEdit>(parent, name);
}

inline QCheckBox* Check(const QObject* parent, const QString& name)
{
    return Find<QCheckBox>(parent, name);
}

inline void Press(const QObject* parent, const QString& button)
{
    Find<QPushButton>(parent, button)->click();
}

// Types text as a keyboard does, accents and "€" included (QTest::keyClicks knows ASCII only).
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const Qt::Key key = c.unicode() < 0x80 ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

// Replaces a box's text as a user does: everything selected, then typed over.
inline void Retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}
