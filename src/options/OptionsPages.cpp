// The options dialog's pages and controls; their behaviour is in OptionsDialog.cpp.
#include "dialogkit/EditorFrame.h"
#include "options/OptionsDialog.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace {

QPushButton* Button(int text, const QString& name, QWidget* parent)
{
    return Named(new QPushButton(Str(text), parent), name);
}

} // namespace

QWidget* OptionsDialog::BuildGeneralPage()
{
    auto* page = new QWidget;
    m_general[0] = NamedCheckBox(1602, QStringLiteral("ChkGen0"), page);
    m_general[1] = NamedCheckBox(1603, QStringLiteral("ChkGen1"), page);
    auto* summary = new QGroupBox(Str(234), page);
    m_general[2] = NamedCheckBox(1607, QStringLiteral("ChkGen2"), summary);
    (new QVBoxLayout(summary))->addWidget(m_general[2]);
    m_general[3] = NamedCheckBox(28029, QStringLiteral("ChkGen3"), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_general[0]);
    layout->addWidget(m_general[1]);
    layout->addWidget(m_general[3]);
    layout->addWidget(summary);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::BuildAlarmsPage()
{
    auto* page = new QWidget;
    m_offDefault = NamedCheckBox(1609, QStringLiteral("ChkAL1"), page);
    m_checkAlarms = NamedCheckBox(1610, QStringLiteral("ChkAL2"), page);
    const UpDownBox minutes = MakeUpDownBox(QStringLiteral("TxtAL0"), QStringLiteral("UDAL0"), page, 0,
                                            std::numeric_limits<qint16>::max());
    m_minutes = minutes.Box;
    auto* minutesText = new QLabel(Str(1611), page);
    minutes.Row->insertWidget(0, m_checkAlarms);
    minutes.Row->addWidget(minutesText);
    minutes.Row->addStretch();
    m_minutesWidgets = {m_minutes, minutes.Up, minutes.Down, minutesText};

    auto* sounds = new QGroupBox(Str(1612), page);
    m_soundChoice = new QButtonGroup(this);
    auto* numbers = new QHBoxLayout;
    for (int n = 1; n <= 10; ++n) {
        auto* option = Named(new QRadioButton(QString::number(n), sounds), QStringLiteral("OptAL%1").arg(n));
        m_soundChoice->addButton(option, n);
        numbers->addWidget(option);
    }
    numbers->addStretch();
    m_soundLabel = Named(new QLabel(sounds), QStringLiteral("LblAL"));
    m_soundPath = Named(new QLineEdit(sounds), QStringLiteral("TxtAL1"));
    auto* choose = Button(527, QStringLiteral("CmdAL0"), sounds);
    m_testSound = Button(733, QStringLiteral("CmdAL1"), sounds);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_soundPath, 1);
    pathRow->addWidget(choose);
    pathRow->addWidget(m_testSound);
    auto* soundLayout = new QVBoxLayout(sounds);
    soundLayout->addLayout(numbers);
    soundLayout->addWidget(m_soundLabel);
    soundLayout->addLayout(pathRow);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_offDefault);
    layout->addLayout(minutes.Row);
    layout->addWidget(sounds);
    layout->addStretch();

    connect(m_checkAlarms, &QCheckBox::toggled, this, [this] { UpdateStates(); });
    connect(m_soundChoice, &QButtonGroup::idClicked, this, &OptionsDialog::ShowSound);
    connect(m_soundPath, &QLineEdit::textChanged, this, [this](const QString& path) {
        m_sounds[size_t(m_sound - 1)] = path;
        UpdateStates();
    });
    connect(choose, &QPushButton::clicked, this, &OptionsDialog::ChooseSoundFile);
    return page;
}

QWidget* OptionsDialog::BuildFolderPanel(int calBox, int pictureBox, int pictureText, int useLastText)
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<int, int> groups[] = {{calBox, 1617}, {pictureBox, pictureText}};
    for (const auto& [box, title] : groups) {
        auto* group = new QGroupBox(Str(title), panel);
        m_useLast[size_t(box)] = NamedCheckBox(useLastText, QStringLiteral("ChkPath%1").arg(box), group);
        m_folders[size_t(box)] = Named(new QLineEdit(group), QStringLiteral("TxtPath%1").arg(box));
        m_chooseFolder[size_t(box)] = Button(527, QStringLiteral("CmdPathSel%1").arg(box), group);
        auto* row = new QHBoxLayout;
        row->addWidget(m_folders[size_t(box)], 1);
        row->addWidget(m_chooseFolder[size_t(box)]);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->addWidget(m_useLast[size_t(box)]);
        groupLayout->addWidget(new QLabel(Str(1619), group));
        groupLayout->addLayout(row);
        layout->addWidget(group);
        connect(m_useLast[size_t(box)], &QCheckBox::toggled, this, [this] { UpdateStates(); });
        connect(m_chooseFolder[size_t(box)], &QPushButton::clicked, this,
                [this, box] { ChooseFolderOf(box); });
    }
    layout->addStretch();
    return panel;
}

QWidget* OptionsDialog::BuildFoldersPage()
{
    auto* page = new QWidget;
    m_folderPanel = new QButtonGroup(this);
    auto* choices = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* option = Named(new QRadioButton(Str(1615 + i), page), QStringLiteral("OptPath%1").arg(i));
        m_folderPanel->addButton(option, i);
        choices->addWidget(option);
    }
    choices->addStretch();
    m_folderPanels = Named(new QStackedWidget(page), QStringLiteral("PicPath"));
    m_folderPanels->addWidget(BuildFolderPanel(FolderCalOpen, FolderImgOpen, 1620, 1618));
    m_folderPanels->addWidget(BuildFolderPanel(FolderCalSave, FolderImgSave, 1622, 1621));
    m_folderPanel->button(0)->setChecked(true);
    connect(m_folderPanel, &QButtonGroup::idClicked, m_folderPanels, &QStackedWidget::setCurrentIndex);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(choices);
    layout->addWidget(m_folderPanels);
    return page;
}

QWidget* OptionsDialog::BuildPrintingPage()
{
    auto* page = new QWidget;
    m_printBackground = NamedCheckBox(1626, QStringLiteral("ChkPrint"), page);
    const UpDownBox copies = MakeUpDownBox(QStringLiteral("TxtPrint"), QStringLiteral("UDPrint"), page, 1,
                                           std::numeric_limits<qint16>::max());
    m_copies = copies.Box;
    copies.Row->insertWidget(0, new QLabel(Str(1628), page));
    copies.Row->addStretch();

    auto* months = new QGroupBox(Str(1623), page);
    auto* grid = new QGridLayout(months);
    for (int m = 0; m < 12; ++m) {
        m_months[size_t(m)] = NamedCheckBox(210 + m, QStringLiteral("ChkMonth%1").arg(m), months);
        grid->addWidget(m_months[size_t(m)], m % 4, m / 4);
    }
    auto* all = Button(1636, QStringLiteral("CmdPrint0"), months);
    auto* none = Button(1637, QStringLiteral("CmdPrint1"), months);
    grid->addWidget(all, 0, 3);
    grid->addWidget(none, 1, 3);
    auto* printer = Button(1624, QStringLiteral("CmdPrint2"), page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_printBackground);
    layout->addLayout(copies.Row);
    layout->addWidget(months);
    layout->addWidget(printer, 0, Qt::AlignLeft);
    layout->addStretch();

    const auto checkAll = [this](bool on) {
        for (QCheckBox* box : m_months) box->setChecked(on);
    };
    connect(all, &QPushButton::clicked, this, [checkAll] { checkAll(true); });
    connect(none, &QPushButton::clicked, this, [checkAll] { checkAll(false); });
    connect(printer, &QPushButton::clicked, this, &OptionsDialog::SetUpPrinter);
    return page;
}

void OptionsDialog::ShowValues(const OptionsValues& v)
{
    m_general[0]->setChecked(v.Associate);
    m_general[1]->setChecked(v.ShowSplash);
    m_general[2]->setChecked(v.ShowSel);
    m_general[3]->setChecked(v.SyncAuto);

    m_offDefault->setChecked(v.OffDefault);
    m_checkAlarms->setChecked(v.CheckAlarms);
    m_minutes->setText(v.Minutes);
    m_sounds = v.Sounds;
    m_soundChoice->button(1)->setChecked(true);
    ShowSound(1);

    for (int box = 0; box < kFolderBoxes; ++box) {
        m_useLast[size_t(box)]->setChecked(v.Folders[size_t(box)].UseLast);
        m_folders[size_t(box)]->setText(v.Folders[size_t(box)].Folder);
    }

    m_printBackground->setChecked(v.PrintBackground);
    m_copies->setText(v.Copies);
    for (int m = 0; m < 12; ++m) m_months[size_t(m)]->setChecked(v.PrintMonths[size_t(m)]);
    m_pages->setCurrentIndex(v.Page);
}
