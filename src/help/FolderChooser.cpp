#include "help/FolderChooser.h"

#include "dialogkit/BrowseLists.h"
#include "dialogkit/BrowseRules.h"
#include "dialogkit/PathDisplay.h"
#include "document/Paths.h"
#include "help/FolderRules.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_askpath.htm");
constexpr int kSelPathLength = 30;

} // namespace

FolderChooser::FolderChooser(const QString& start, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAskPath"));
    setWindowTitle(Str(1401));

    m_drives = new DriveList(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_folders = new FolderList(this);
    m_folders->setObjectName(QStringLiteral("Dir1"));

    auto* frame = new QGroupBox(Str(1402), this);
    frame->setObjectName(QStringLiteral("FraSelPath"));
    m_selPath = new QLabel(frame);
    m_selPath->setObjectName(QStringLiteral("LblSelPath"));
    m_selPath->setTextFormat(Qt::PlainText);
    m_selPath->setMinimumWidth(m_selPath->fontMetrics().averageCharWidth() * kSelPathLength);
    (new QVBoxLayout(frame))->addWidget(m_selPath);

    auto* newFolder = new QPushButton(Str(1403), this);
    newFolder->setObjectName(QStringLiteral("CmdNew"));
    newFolder->setAutoDefault(false);
    auto* ok = new QPushButton(Str(502), this);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(Str(503), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    cancel->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(newFolder);
    buttons->addStretch(1);
    auto* lists = new QVBoxLayout;
    lists->addWidget(m_drives);
    lists->addWidget(m_folders, 1);
    lists->addWidget(frame);
    auto* main = new QHBoxLayout(this);
    main->addLayout(lists, 1);
    main->addLayout(buttons);
    resize(440, 380);

    // A start folder that is gone opens the program's folder without a word.
    const QString folder = ChooserStartFolder(start, ProgramFolder());
    m_drives->Reload();
    m_drives->SetDriveOf(folder);
    m_folders->SetPath(folder);
    ShowSelectedPath();

    connect(m_drives, &DriveList::DriveChosen, this, &FolderChooser::OnDriveChosen);
    connect(m_folders, &FolderList::FolderChosen, this, &FolderChooser::OnFolderChosen);
    connect(m_folders, &QTreeWidget::currentItemChanged, this, &FolderChooser::ShowSelectedPath);
    connect(newFolder, &QPushButton::clicked, this, &FolderChooser::OnNewFolder);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_cancelled = false;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { ShowHelpTopic(kHelpPage); });
}

QString FolderChooser::CurrentFolder() const
{
    const QTreeWidgetItem* item = m_folders->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : m_folders->Path();
}

void FolderChooser::ShowSelectedPath()
{
    const QString folder = CurrentFolder();
    m_selPath->setText(ShortenPathDisplay(folder, kSelPathLength));
    m_selPath->setToolTip(folder);
}

void FolderChooser::Highlight(const QString& folder)
{
    const QList<QTreeWidgetItem*> items =
        m_folders->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : items) {
        if (item->data(0, Qt::UserRole).toString() == folder) {
            m_folders->setCurrentItem(item);
            return;
        }
    }
}

void FolderChooser::OnDriveChosen(const QString& root)
{
    while (const std::optional<FolderError> error = CheckDrive(root)) {
        if (Prompter::Current().Ask(FolderErrorMessage(root, *error)) != PromptAnswer::Retry) {
            m_drives->SetDriveOf(m_folders->Path()); // back on the volume of the folder shown
            return;
        }
    }
    m_folders->SetPath(root);
    m_drives->SetDriveOf(m_folders->Path());
}

void FolderChooser::OnFolderChosen(const QString& folder)
{
    while (const std::optional<FolderError> error = CheckFolder(folder)) {
        if (Prompter::Current().Ask(FolderErrorMessage(folder, *error)) != PromptAnswer::Retry) return;
    }
    m_folders->SetPath(folder);
}

void FolderChooser::OnNewFolder()
{
    const QString parent = CurrentFolder();
    const QString shown = m_folders->Path();
    const std::optional<QString> answer =
        Prompter::Current().Input(QStringLiteral("Daybinder"), NewFolderQuestion(parent), QString());
    if (!answer || answer->trimmed().isEmpty()) return;
    QString made;
    if (const std::optional<FolderError> error = MakeNewFolder(parent, *answer, &made)) {
        // Back on the folder the list showed, the same one chosen.
        m_folders->SetPath(shown);
        Highlight(parent);
        Prompter::Current().Ask(NewFolderErrorMessage(*error));
        return;
    }
    // The folder that received the new one is opened, so that the new one shows below it.
    m_folders->SetPath(parent);
}

void FolderChooser::done(int result)
{
    m_chosen = m_cancelled ? QString() : ChosenFolderText(CurrentFolder());
    QDialog::done(result);
}

QString ChooseFolderWithChooser(QWidget* parent, const QString& start)
{
    FolderChooser chooser(start, parent);
    chooser.exec();
    return chooser.Chosen();
}
