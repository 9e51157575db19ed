#include "app/Program.h"
#include "platform/AudioOutput.h"
#include "platform/MessageBoxPrompter.h"
#include "views/Icons.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daybinder"));
    QApplication::setWindowIcon(ProgramIcon());
    MessageBoxPrompter prompter;
    Prompter::Install(&prompter);
    SoundPlayer::Install(&AudioOutput());

    Program program;
    if (!program.Start(app.arguments())) return 0;
    const int status = app.exec();
    Prompter::Install(nullptr);
    return status;
}
