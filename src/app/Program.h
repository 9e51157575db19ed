#pragma once
// The program's start-up, in its order: display check, hand-over to a running instance,
// settings, splash window, main window in "Logo", the twelve month windows, the caption, and
// the file named on the command line with its recovery copies, or without one every recovery
// copy left. Shutdown is the main window's own closing.

#include <QObject>
#include <QStringList>
#include <memory>

class MainWindow;
class SingleInstance;

class Program : public QObject
{
    Q_OBJECT
public:
    explicit Program(QObject* parent = nullptr);
    ~Program() override;

    // False when the program is to end at once: the user refused a small display, or a
    // running instance was asked to come to the front. arguments[0] is the program itself;
    // the rest, joined by blanks, is one file path.
    bool Start(const QStringList& arguments);

    MainWindow* Window() const { return m_main.get(); }
    bool SplashShown() const { return m_splashShown; }

    // The whole command line after the program name, as one path.
    static QString CommandLinePath(const QStringList& arguments);

private:
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<MainWindow> m_main;
    bool m_splashShown = false;
};
