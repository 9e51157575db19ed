#include "platform/SystemDialogs.h"

#include "document/ColourValue.h"
#include "document/Paths.h"
#include "platform/Modules.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

FolderChooserFunction g_folderChooser;

// The file list with its dates in the program's French: the list itself writes them in the
// system's language.
class FrenchDates : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        constexpr int kDateColumn = 3;
        if (role == Qt::DisplayRole && index.column() == kDateColumn)
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel()))
                return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

QString StartFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// "csv" of "CSV (*.csv)"; empty when the filter has no single extension of its own.
QString FilterExtension(const QString& filter)
{
    const qsizetype open = filter.lastIndexOf(u"(*.");
    if (open < 0 || !filter.endsWith(u')')) return {};
    const QString ext = filter.mid(open + 3, filter.size() - open - 4);
    return ext.contains(u' ') || ext.contains(u'*') ? QString() : ext;
}

} // namespace

std::optional<QString> SystemDialogs::OpenFile(const FileDialogRequest& request)
{
    return Run(request, false);
}

std::optional<QString> SystemDialogs::SaveFile(const FileDialogRequest& request)
{
    return Run(request, true);
}

std::optional<QString> SystemDialogs::Run(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(m_parent, QString(), StartFolder(request.InitialFolder));
    // Qt's own dialog on every desktop: it adds the default extension before it checks for an
    // existing file, so the overwrite question is asked about the name that will be written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new FrenchDates(&dialog));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);

    const QStringList filters = FileDialogFilters(request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(request.FilterIndex - 1));
    }
    QString extension = request.DefaultExtension.trimmed();
    const auto followFilter = [&](const QString& filter) {
        const QString ext = FilterExtension(filter);
        if (!ext.isEmpty()) extension = ext;
        dialog.setDefaultSuffix(extension);
    };
    dialog.setDefaultSuffix(extension); // without its leading dot
    if (request.ExtensionFollowsFilter) {
        followFilter(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    }
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return WithDefaultExtension(chosen.first(), extension);
}

std::optional<qint32> SystemDialogs::ChooseColour(qint32 initial)
{
    QColorDialog dialog(ToQColor(initial), m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<QString> SystemDialogs::ChooseFolder(const QString& start)
{
    if (g_folderChooser) return g_folderChooser(m_parent, start);
    const QString chosen =
        QFileDialog::getExistingDirectory(m_parent, QString(), StartFolder(start),
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) return std::nullopt;
    return AddBackslash(chosen);
}

std::optional<PrinterChoice> SystemDialogs::SetupPrinter(const PrinterChoice& current)
{
    // The dialog is the printers module's, loaded at its first showing.
    using Setup = bool (*)(const PrinterChoice&, QWidget*, PrinterChoice*);
    QString why;
    const auto setup = ModuleFunctionAs<Setup>("printers", "daybinder_setup_printer", &why);
    if (!setup) {
        ShowMessage(QStringLiteral("Daybinder"), Str(20006).arg(QStringLiteral("printers"), why),
                    PromptIcon::Exclamation);
        return std::nullopt;
    }
    PrinterChoice chosen;
    if (!setup(current, m_parent, &chosen)) return std::nullopt;
    return chosen;
}

void SetFolderChooser(FolderChooserFunction chooser)
{
    g_folderChooser = std::move(chooser);
}

void InstallSystemDialogs(QWidget* parent)
{
    static SystemDialogs* dialogs = nullptr;
    delete dialogs;
    dialogs = new SystemDialogs(parent);
    CommonDialogs::Install(dialogs);
}
