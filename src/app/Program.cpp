#include "app/Program.h"

#include "app/HelpWiring.h"
#include "app/MainWindowWiring.h"
#include "app/RecoveryWiring.h"
#include "app/SplashWindow.h"
#include "document/Session.h"
#include "document/TextInput.h"
#include "platform/Display.h"
#include "platform/Language.h"
#include "platform/Prompter.h"
#include "platform/RefusalNote.h"
#include "platform/SingleInstance.h"
#include "platform/SystemDialogs.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "views/MainWindow.h"

#include <QScreen>

namespace {

bool DisplayLargeEnough()
{
    return ScreenWidth() >= 800 && ScreenHeight() >= 600;
}

} // namespace

Program::Program(QObject* parent) : QObject(parent) {}

Program::~Program() = default;

QString Program::CommandLinePath(const QStringList& arguments)
{
    return arguments.mid(1).join(u' ');
}

bool Program::Start(const QStringList& arguments)
{
    SpeakFrench();
    if (!DisplayLargeEnough() && ShowMessage(QStringLiteral("Daybinder"), Str(10048), PromptIcon::Stop,
                                             PromptButtons::YesNo, PromptAnswer::No) != PromptAnswer::Yes)
        return false;

    m_instance = std::make_unique<SingleInstance>(SingleInstance::DefaultServerName(SettingsFolder()));
    if (m_instance->TryHandOver()) return false; // the running one comes to the front
    m_instance->Listen();

    BusyCursor busy;
    ConnectHelpViewer();
    const qint32 showSplash = Keys::ShowSplash().ReadInt();
    LoadSettings();
    std::unique_ptr<SplashWindow> splash;
    if (showSplash == 1) {
        splash = std::make_unique<SplashWindow>();
        splash->show();
        m_splashShown = true;
        LetInterfaceRepaint();
    }
    const auto progress = [&splash](int value) {
        if (splash) splash->SetProgress(value);
    };

    Session& s = Session::Get();
    m_main = std::make_unique<MainWindow>();
    InstallSystemDialogs(m_main.get());
    InstallRefusalNotice(&ShowRefusalNote);
    WireMainWindow(*m_main);
    const std::function<void()> offerRecoveryCopies = WireRecovery(*m_main);
    if (s.Mode() != MainMode::Logo) s.SetMode(MainMode::Logo);
    m_main->UpdateCommandStates(true);
    progress(25);
    for (int m = 1; m <= 12; ++m) {
        m_main->MonthWindowFor(m);
        progress(25 + m * 75 / 12);
    }
    s.SetModified(PartAll, false);
    progress(100);
    splash.reset();

    busy.Restore();
    connect(m_instance.get(), &SingleInstance::RestoreRequested, m_main.get(), &MainWindow::Restore);
    // Without a window manager "maximised" means nothing: fill the screen ourselves first.
    if (const QScreen* screen = m_main->screen()) m_main->setGeometry(screen->availableGeometry());
    m_main->showMaximized();

    const QString path = CommandLinePath(arguments);
    // A document named is opened with its own copies offered; otherwise every copy left is.
    if (!path.isEmpty())
        m_main->OpenPath(path);
    else
        offerRecoveryCopies();
    return true;
}
