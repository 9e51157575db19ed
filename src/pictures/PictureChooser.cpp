#include "pictures/PictureChooser.h"

#include "dialogkit/BrowseLists.h"
#include "dialogkit/BrowseRules.h"
#include "dialogkit/PathDisplay.h"
#include "document/Paths.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kNoRefresh = QStringLiteral("NoRefresh");
const QString kHelpPage = QStringLiteral("Html\\d_openpic.htm");
constexpr int kSelFileLength = 65;
const QSize kPreviewBox(200, 160);

} // namespace

PictureChooser::PictureChooser(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(DialogCaption(2101));
    BuildControls();
    OpenInStartFolder();
}

void PictureChooser::BuildControls()
{
    m_heading = new QLabel(Str(2102), this);
    m_heading->setObjectName(QStringLiteral("LblOpen0"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);

    m_drives = new DriveList(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_folders = new FolderList(this);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_files = new FileList(this);
    m_files->setObjectName(QStringLiteral("File1"));

    static const int kTypeTexts[kPictureTypeCount] = {2103, 2104, 2105};
    auto* types = new QVBoxLayout;
    for (int i = 0; i < kPictureTypeCount; ++i) {
        m_types[i] = new QCheckBox(Str(kTypeTexts[i]), this);
        m_types[i]->setObjectName(QStringLiteral("ChkOpen%1").arg(i));
        connect(m_types[i], &QCheckBox::clicked, this, [this, i] { OnTypeClicked(i); });
        types->addWidget(m_types[i]);
    }
    m_preview = new QCheckBox(Str(2106), this);
    m_preview->setObjectName(QStringLiteral("ChkOpen3"));
    connect(m_preview, &QCheckBox::clicked, this, &PictureChooser::OnPreviewClicked);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("ImgOpen"));
    m_picture->setFixedSize(kPreviewBox + QSize(4, 4));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_info = new QLabel(Str(541), this);
    m_info->setObjectName(QStringLiteral("LblOpen1"));
    m_info->setAlignment(Qt::AlignCenter);

    auto* selFrame = new QGroupBox(Str(2108), this);
    selFrame->setObjectName(QStringLiteral("FrmSelFile"));
    m_selFile = new QLabel(selFrame);
    m_selFile->setObjectName(QStringLiteral("LblSelFile"));
    m_selFile->setMinimumWidth(m_selFile->fontMetrics().averageCharWidth() * kSelFileLength);
    m_selFile->setTextFormat(Qt::PlainText);
    (new QVBoxLayout(selFrame))->addWidget(m_selFile);

    m_open = new QPushButton(Str(2107), this);
    m_open->setObjectName(QStringLiteral("CmdOpen"));
    m_open->setDefault(true);
    m_cancel = new QPushButton(Str(503), this);
    m_cancel->setObjectName(QStringLiteral("CmdCancel"));
    m_help = new QPushButton(QIcon::fromTheme(QStringLiteral("help-contents"),
                                              style()->standardIcon(QStyle::SP_MessageBoxQuestion)),
                             QString(), this);
    m_help->setObjectName(QStringLiteral("CmdHelp"));
    m_help->setToolTip(Str(223));
    m_help->setAutoDefault(false);

    auto* browse = new QVBoxLayout;
    browse->addWidget(m_drives);
    browse->addWidget(m_folders, 1);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_picture);
    previewColumn->addWidget(m_info);
    previewColumn->addWidget(m_preview);
    previewColumn->addStretch(1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(browse, 1);
    lists->addWidget(m_files, 1);
    lists->addLayout(previewColumn);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch(1);
    buttons->addWidget(m_open);
    buttons->addWidget(m_cancel);

    auto* main = new QVBoxLayout(this);
    main->addWidget(m_heading);
    main->addLayout(lists, 1);
    main->addLayout(types);
    main->addWidget(selFrame);
    main->addLayout(buttons);
    resize(660, 460);

    connect(m_drives, &DriveList::DriveChosen, this, &PictureChooser::OnDriveChosen);
    connect(m_folders, &FolderList::FolderChosen, this, &PictureChooser::OnFolderChosen);
    connect(m_files, &QListWidget::itemSelectionChanged, this, &PictureChooser::OnFileSelectionChanged);
    connect(m_files, &FileList::FileActivated, this, &PictureChooser::OnOpen);
    connect(m_open, &QPushButton::clicked, this, &PictureChooser::OnOpen);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [] { ShowHelpTopic(kHelpPage); });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { ShowHelpTopic(kHelpPage); });
}

void PictureChooser::OpenInStartFolder()
{
    m_cancelled = true;
    m_files->Marker = kNoRefresh;
    // A start folder that is gone is replaced by the program's folder without a word.
    const QString start = ChooserStartFolder(Settings::Get().ImgOpen, ProgramFolder());
    m_drives->Reload();
    m_drives->SetDriveOf(start);
    m_folders->SetPath(start);

    const ChooserOptions options = ReadChooserOptions();
    for (int i = 0; i < kPictureTypeCount; ++i) m_types[i]->setChecked(options.Types[i]);
    m_preview->setChecked(options.Preview);

    m_files->Marker.clear();
    m_files->SetPattern(PicturePattern(options.Types));
    m_files->SetPath(start);
    RefreshSelection();
}

ChooserOptions PictureChooser::Options() const
{
    ChooserOptions options;
    for (int i = 0; i < kPictureTypeCount; ++i) options.Types[i] = m_types[i]->isChecked();
    options.Preview = m_preview->isChecked();
    return options;
}

void PictureChooser::OnTypeClicked(int index)
{
    const ChooserOptions options = Options();
    if (!AnyPictureType(options.Types)) {
        m_types[index]->setChecked(true); // at least one type is always listed
        return;
    }
    m_files->SetPattern(PicturePattern(options.Types));
    if (m_files->Marker != kNoRefresh) RefreshSelection();
}

void PictureChooser::OnPreviewClicked()
{
    if (m_files->Marker != kNoRefresh) RefreshSelection();
}

void PictureChooser::OnDriveChosen(const QString& root)
{
    ChangeFolder(root, true);
}

void PictureChooser::OnFolderChosen(const QString& folder)
{
    ChangeFolder(folder, false);
}

bool PictureChooser::ChangeFolder(const QString& folder, bool drive)
{
    for (;;) {
        const std::optional<FolderError> error = drive ? CheckDrive(folder) : CheckFolder(folder);
        if (!error) break;
        if (Prompter::Current().Ask(FolderErrorMessage(folder, *error)) != PromptAnswer::Retry) {
            // Back on the last folder that could be read.
            if (drive)
                m_drives->SetDriveOf(m_folders->Path());
            else
                m_folders->SetPath(m_files->Path());
            return false;
        }
    }
    m_folders->SetPath(folder);
    m_drives->SetDriveOf(m_folders->Path());
    m_files->SetPath(m_folders->Path());
    if (m_files->Marker != kNoRefresh) RefreshSelection();
    return true;
}

void PictureChooser::OnFileSelectionChanged()
{
    if (m_files->Marker != kNoRefresh) RefreshSelection();
}

void PictureChooser::RefreshSelection()
{
    m_selFile->clear();
    m_selFile->setToolTip(QString());
    if (m_files->count() > 0 && m_files->FileName().isEmpty()) {
        const QString marker = m_files->Marker;
        m_files->Marker = kNoRefresh;
        m_files->SelectFirst();
        m_files->Marker = marker;
    }
    const QString name = m_files->FileName();
    if (!name.isEmpty()) {
        const QString full = AddBackslash(m_files->Path()) + name;
        m_selFile->setText(full);
        m_selFile->setToolTip(full);
        ShortenPathDisplay(m_selFile, kSelFileLength);
    }
    ShowPreview();
    m_open->setEnabled(!m_selFile->text().isEmpty());
}

void PictureChooser::ShowPreview()
{
    m_picture->clear();
    m_info->setText(Str(541));
    const QString path = m_selFile->toolTip();
    if (!m_preview->isChecked() || path.isEmpty()) return;

    BusyCursor busy;
    // The file list keeps the keyboard while the user walks through the files.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    SetControlsEnabled(false);
    // Decoded for the screen's pixels: a reduced picture keeps them, a small one its own size.
    const qreal ratio = m_picture->devicePixelRatioF();
    PicturePreview preview = LoadPicturePreview(path, kPreviewBox * ratio);
    if (preview.Loaded()) {
        m_info->setText(PictureSizeText(preview.Size));
        const QSize shown = preview.Image.size();
        preview.Image.setDevicePixelRatio(std::clamp(std::max(qreal(shown.width()) / kPreviewBox.width(),
                                                              qreal(shown.height()) / kPreviewBox.height()),
                                                     qreal(1), std::max(qreal(1), ratio)));
        m_picture->setPixmap(QPixmap::fromImage(preview.Image));
    }
    SetControlsEnabled(true);
    if (focus) focus->setFocus();
}

void PictureChooser::SetControlsEnabled(bool enabled)
{
    // Everything but the heading.
    QWidget* controls[] = {m_drives,  m_folders, m_files, m_types[0], m_types[1], m_types[2], m_preview,
                           m_selFile, m_picture, m_info,  m_open,     m_cancel,   m_help};
    for (QWidget* w : controls) w->setEnabled(enabled);
}

void PictureChooser::OnOpen()
{
    if (m_selFile->toolTip().isEmpty()) return;
    m_cancelled = false;
    accept();
}

void PictureChooser::done(int result)
{
    if (m_cancelled) {
        m_choice = {};
    } else {
        m_choice = {1, m_selFile->toolTip()};
        QString& folder = Settings::Get().ImgOpen;
        if (!IsFixedFolder(folder)) folder = AddBackslash(m_folders->Path());
        SaveChooserOptions(Options());
    }
    QDialog::done(result);
}
