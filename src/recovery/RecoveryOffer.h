#pragma once
// The offer of recovery copies: at start-up and when a document is opened, each copy that holds
// changes its document may not have is offered in a message box ("Restaurer", "Supprimer",
// "Plus tard"). Restoring opens the copy's content as the document, under the document's own
// path and modified, so that Save writes it where it belongs; a copy whose document is gone
// opens as an unnamed document. A copy that cannot be read is told and kept.

#include "recovery/RecoveryFiles.h"

#include <QSet>
#include <QString>
#include <optional>

class RecoveryWriter;

enum class RecoveryAnswer
{
    Restore,
    Delete,
    Later
};

// The question about one copy.
RecoveryAnswer AskAboutCopy(const RecoveryCopy& copy);

class RecoveryOffer
{
public:
    explicit RecoveryOffer(RecoveryWriter& writer);

    // At start-up: the copies worth offering, most recent first, until one is restored. A copy
    // answered already in this run is not asked about again.
    void OfferAll();

    // Open has read the file at path into the session (not shown yet): its copies are offered,
    // and "Restaurer" puts a copy's content in place of what was read.
    void OfferFor(const QString& path);

private:
    // Asks; true when the answer is "Restaurer". "Supprimer" removes the copy.
    bool AskToRestore(const RecoveryCopy& copy);
    bool RestoreOverRead(const RecoveryCopy& copy);
    bool RestoreUnnamed(const RecoveryCopy& copy);
    void ReportUnreadable(const RecoveryCopy& copy);
    bool Offerable(const RecoveryCopy& copy) const;

    RecoveryWriter& m_writer;
    QSet<QString> m_answered;
    // The copy to restore without asking once Open has read its document.
    std::optional<RecoveryCopy> m_restoreOnOpen;
};
