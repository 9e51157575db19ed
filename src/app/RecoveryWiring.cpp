#include "app/RecoveryWiring.h"

#include "commands/DocumentCommands.h"
#include "document/Session.h"
#include "recovery/RecoveryOffer.h"
#include "recovery/RecoveryWriter.h"
#include "views/MainWindow.h"

#include <memory>

std::function<void()> WireRecovery(MainWindow& main)
{
    auto* writer = new RecoveryWriter(&main);
    writer->Watch(Session::Get().History());
    const auto offer = std::make_shared<RecoveryOffer>(*writer);

    DocumentCommands& commands = DocumentCommands::Get();
    commands.Saved = [writer] { writer->Forget(); };
    commands.ChangesDropped = [writer] { writer->Forget(); };
    commands.Opened = [offer](const QString& path) { offer->OfferFor(path); };
    // The last copy stays when the program ends with changes kept neither way (a session ending).
    QObject::connect(&main, &MainWindow::ShutdownStarted, writer, &RecoveryWriter::Stop);
    return [offer] { offer->OfferAll(); };
}
