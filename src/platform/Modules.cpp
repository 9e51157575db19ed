#include "platform/Modules.h"

#include "document/Paths.h"

#include <QFile>
#include <QHash>
#include <QLibrary>
#include <memory>

QFunctionPointer ModuleFunction(const char* module, const char* function, QString* why)
{
    // One library object per module, never unloaded: the module's objects outlive any caller.
    static QHash<QByteArray, std::shared_ptr<QLibrary>> loaded;
    std::shared_ptr<QLibrary>& library = loaded[QByteArray(module)];
    const QString file = QStringLiteral("libdaybinder_") + QString::fromLatin1(module);
    QString failure;
    if (!library || !library->isLoaded()) {
        for (const QString& folder : {ModuleFolder(), AddBackslash(QStringLiteral(DAYBINDER_MODULE_DIR))}) {
            library = std::make_shared<QLibrary>(folder + file);
            // Every symbol bound at once: a module that does not fit this program fails to load
            // here, instead of ending the program at its first call.
            library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
            if (library->load()) break;
            // Why a module that is there does not load says more than a folder without it.
            if (failure.isEmpty() || QFile::exists(folder + file + QStringLiteral(".so")))
                failure = library->errorString();
        }
    }
    if (library->isLoaded()) {
        if (const QFunctionPointer f = library->resolve(function)) return f;
        failure = QStringLiteral("pas de fonction %1 dans %2")
                      .arg(QString::fromLatin1(function), library->fileName());
    }
    qWarning("Module %s: %s", module, qPrintable(failure));
    if (why) *why = failure;
    return nullptr;
}
