#include "options/OptionsDialog.h"

#include "dialogkit/EditorFrame.h"
#include "document/Paths.h"
#include "platform/CommonDialogs.h"
#include "platform/FileAssociation.h"
#include "platform/HelpTopic.h"
#include "platform/Sound.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

const char* const kHelpPages[] = {"Html\\d_opt_gen.htm", "Html\\d_opt_al.htm", "Html\\d_opt_fold.htm",
                                  "Html\\d_opt_print.htm"};

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmOpt"));
    setWindowTitle(DialogCaption(236));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("TbOpt"));
    m_pages->addTab(BuildGeneralPage(), Str(504));
    m_pages->addTab(BuildAlarmsPage(), Str(707));
    m_pages->addTab(BuildFoldersPage(), Str(1601));
    m_pages->addTab(BuildPrintingPage(), Str(208));
    const EditorButtons buttons = LayOutEditor(this, m_pages);
    connect(buttons.Ok, &QPushButton::clicked, this, &OptionsDialog::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, &OptionsDialog::ShowHelp);
    connect(m_testSound, &QPushButton::clicked, this, [this] { PlaySoundFile(m_soundPath->text()); });

    ShowValues(LoadOptions(FileAssociation::Current().IsDefault()));
    UpdateStates();
}

OptionsValues OptionsDialog::Values() const
{
    OptionsValues v;
    v.Associate = m_general[0]->isChecked();
    v.ShowSplash = m_general[1]->isChecked();
    v.ShowSel = m_general[2]->isChecked();
    v.SyncAuto = m_general[3]->isChecked();
    v.OffDefault = m_offDefault->isChecked();
    v.CheckAlarms = m_checkAlarms->isChecked();
    v.Minutes = m_minutes->text();
    v.Sounds = m_sounds;
    for (int box = 0; box < kFolderBoxes; ++box)
        v.Folders[size_t(box)] = {m_useLast[size_t(box)]->isChecked(), m_folders[size_t(box)]->text()};
    v.PrintBackground = m_printBackground->isChecked();
    v.Copies = m_copies->text();
    for (int m = 0; m < 12; ++m) v.PrintMonths[size_t(m)] = m_months[size_t(m)]->isChecked();
    v.Page = m_pages->currentIndex();
    return v;
}

void OptionsDialog::ShowSound(int number)
{
    m_sound = std::clamp(number, 1, 10);
    m_soundLabel->setText(Str(1613) + QStringLiteral(" #%1 ").arg(m_sound, 2, 10, QLatin1Char('0')) +
                          Str(1614));
    m_soundPath->setText(m_sounds[size_t(m_sound - 1)]);
    m_soundPath->setCursorPosition(0);
    UpdateStates();
}

void OptionsDialog::ChooseSoundFile()
{
    FileDialogRequest request;
    request.Filter = Str(10051);
    request.FilterIndex = 2;
    request.InitialFolder = FolderOf(m_soundPath->text());
    if (request.InitialFolder.isEmpty()) request.InitialFolder = SoundFolder();
    if (const std::optional<QString> chosen = CommonDialogs::Current().OpenFile(request))
        m_soundPath->setText(*chosen);
}

void OptionsDialog::ChooseFolderOf(int box)
{
    QLineEdit* folder = m_folders[size_t(box)];
    if (const std::optional<QString> chosen = ChooseFolder(folder->text())) folder->setText(*chosen);
}

void OptionsDialog::SetUpPrinter()
{
    // Every set-up counts, even a cancelled one: it goes back to the default printer.
    Settings& s = Settings::Get();
    s.ChosenPrinter = CommonDialogs::Current().SetupPrinter(s.ChosenPrinter).value_or(PrinterChoice());
}

void OptionsDialog::UpdateStates()
{
    for (QWidget* w : m_minutesWidgets) w->setEnabled(m_checkAlarms->isChecked());
    m_testSound->setEnabled(!m_soundPath->text().trimmed().isEmpty());
    for (int box = 0; box < kFolderBoxes; ++box) {
        const bool fixed = !m_useLast[size_t(box)]->isChecked();
        m_folders[size_t(box)]->setEnabled(fixed);
        m_chooseFolder[size_t(box)]->setEnabled(fixed);
    }
}

void OptionsDialog::ShowHelp()
{
    ShowHelpTopic(QString::fromLatin1(kHelpPages[std::clamp(m_pages->currentIndex(), 0, kOptionsPages - 1)]));
}

void OptionsDialog::OnOk()
{
    if (!SaveOptions(Values()))
        qWarning("The options could not be written to %s", qPrintable(SettingsFilePath()));
    if (Saved) Saved();
    accept();
}

bool ShowOptionsDialog(QWidget* parent, int page)
{
    if (page >= 0 && page < kOptionsPages) Keys::TbOpt().Write(page);
    OptionsDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}
