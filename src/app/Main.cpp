#include "app/Main.h"

#include "app/Program.h"
#include "platform/AudioOutput.h"
#include "platform/KeyringPasswordStore.h"
#include "platform/MessageBoxPrompter.h"
#include "platform/PasswordStore.h"
#include "views/Icons.h"
#include "views/ShellStyle.h"

#include <QApplication>
#include <QStyle>

int RunProgram(QApplication& app, const std::function<void(Program&)>& started)
{
    QApplication::setApplicationName(QStringLiteral("Daybinder"));
    QApplication::setStyle(new ShellStyle(QApplication::style()->name()));
    QApplication::setWindowIcon(ProgramIcon());
    MessageBoxPrompter prompter;
    Prompter::Install(&prompter);
    SoundPlayer::Install(&AudioOutput());
    InstallKeyringPasswordStore();

    int status = 0;
    {
        Program program;
        if (program.Start(QApplication::arguments())) {
            if (started) started(program);
            status = app.exec();
        }
    }
    SoundPlayer::Install(nullptr);
    PasswordStore::Install(nullptr);
    Prompter::Install(nullptr);
    return status;
}
