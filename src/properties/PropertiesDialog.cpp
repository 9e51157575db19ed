#include "properties/PropertiesDialog.h"

#include "dialogkit/EditorFrame.h"
#include "dialogkit/PathDisplay.h"
#include "platform/Clock.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "properties/ApplyProperties.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kHelpPages[] = {"Html\\d_prop_gen.htm", "Html\\d_prop_disp.htm", "Html\\d_prop_sav.htm"};
const QString kConfirmed = QStringLiteral("Confirmed");
constexpr int kNameLength = 55;

} // namespace

PropertiesDialog::PropertiesDialog(QWidget* parent) : QDialog(parent)
{
    BusyCursor busy;
    setObjectName(QStringLiteral("FrmProp"));
    setWindowTitle(DialogCaption(501));
    const QStringList years = YearChoices(Clock::Current().Today().year());
    m_work = PropertiesOf(Session::Get().CurrentDocument, years);

    m_tabs = Named(new QTabWidget(this), QStringLiteral("TbProp"));
    m_tabs->addTab(BuildGeneralPage(), Str(504));
    m_tabs->addTab(BuildDisplayPage(), Str(505));
    m_tabs->addTab(BuildSavePage(), Str(544));
    const EditorButtons buttons = LayOutEditor(this, m_tabs);
    connect(buttons.Ok, &QPushButton::clicked, this, &PropertiesDialog::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, &PropertiesDialog::ShowHelp);

    for (const QString& year : years) m_years->addItem(year);
    const QList<QListWidgetItem*> year = m_years->findItems(m_work.Year, Qt::MatchExactly);
    if (!m_work.Year.isEmpty() && !year.isEmpty()) {
        m_years->setCurrentItem(year.first());
        m_years->scrollToItem(year.first(), QAbstractItemView::PositionAtCenter);
    } else {
        m_years->setCurrentRow(-1);
        m_years->clearSelection();
    }
    m_author->setText(m_work.Author);
    m_monthToOpen->setCurrentIndex(m_work.MonthToOpen);
    const FileBoxes file = FileBoxesOf(Session::Get().CurrentDocument, Session::Get().Mode());
    m_fileName->setText(file.Name);
    ShortenPathDisplay(m_fileName, kNameLength);
    m_fileSize->setText(file.Size);

    m_save[0]->setChecked(m_work.EmbedPictures);
    m_save[1]->setChecked(m_work.Protected);
    m_password->setText(m_work.Password);
    m_password->setProperty("Tag", m_work.PasswordConfirmed ? kConfirmed : QString());
    UpdateSavePage();
}

QWidget* PropertiesDialog::BuildGeneralPage()
{
    auto* page = new QWidget;
    m_years = Named(new QListWidget(page), QStringLiteral("LstYear"));
    m_years->setMaximumHeight(110);
    m_author = FilteredTextBox(QStringLiteral("TxtAuthor"), page);
    m_monthToOpen = Named(new QComboBox(page), QStringLiteral("CmbMonth"));
    m_monthToOpen->addItem(QString());
    for (int m = 1; m <= 12; ++m) m_monthToOpen->addItem(Str(209 + m));
    m_fileName = Named(new QLineEdit(page), QStringLiteral("TxtFileName"));
    m_fileSize = Named(new QLineEdit(page), QStringLiteral("TxtFileSize"));
    for (QLineEdit* box : {m_fileName, m_fileSize}) box->setReadOnly(true);

    auto* layout = new QVBoxLayout(page);
    auto* yearFrame = new QGroupBox(Str(506), page);
    (new QVBoxLayout(yearFrame))->addWidget(m_years);
    layout->addWidget(yearFrame);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(Str(508), m_author);
    form->addRow(Str(509), m_monthToOpen);
    form->addRow(Str(510), m_fileName);
    form->addRow(Str(511), m_fileSize);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* PropertiesDialog::BuildSavePage()
{
    auto* page = new QWidget;
    auto* frame = new QGroupBox(Str(545), page);
    m_save[0] = Named(new QCheckBox(Str(546), frame), QStringLiteral("ChkSave0"));
    m_save[1] = Named(new QCheckBox(Str(547), frame), QStringLiteral("ChkSave1"));
    m_passwordLabel = Named(new QLabel(Str(548), frame), QStringLiteral("LblSave"));
    m_password = FilteredTextBox(QStringLiteral("TxtSave"), frame);
    m_password->setEchoMode(QLineEdit::Password);
    m_passwordLabel->setBuddy(m_password);
    connect(m_save[1], &QCheckBox::clicked, this, &PropertiesDialog::UpdateSavePage);
    // Any edit means the box no longer shows the stored password.
    connect(m_password, &QLineEdit::textEdited, this, [this] { m_password->setProperty("Tag", QString()); });

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(m_save[0]);
    inner->addWidget(m_save[1]);
    auto* password = new QVBoxLayout;
    password->setContentsMargins(20, 0, 0, 0);
    password->addWidget(m_passwordLabel);
    password->addWidget(m_password);
    inner->addLayout(password);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

void PropertiesDialog::UpdateSavePage()
{
    const bool on = m_save[1]->isChecked();
    m_passwordLabel->setEnabled(on);
    SetBoxEnabled(m_password, on);
}

void PropertiesDialog::OnOk()
{
    const QListWidgetItem* year = m_years->currentItem();
    m_work.Year = year && year->isSelected() ? year->text() : QString();
    m_work.Author = m_author->text();
    m_work.MonthToOpen = std::max(0, m_monthToOpen->currentIndex());
    m_work.EmbedPictures = m_save[0]->isChecked();
    m_work.Protected = m_save[1]->isChecked();
    m_work.Password = m_password->text();
    m_work.PasswordConfirmed = m_password->property("Tag").toString() == kConfirmed;
    if (!ApplyProperties(m_work)) return; // the password was not confirmed: stay with the edits
    m_result = 1;
    accept();
}

void PropertiesDialog::ShowHelp()
{
    ShowHelpTopic(QString::fromLatin1(kHelpPages[std::clamp(m_tabs->currentIndex(), 0, 2)]));
}

void PropertiesDialog::SetBoxEnabled(QLineEdit* box, bool enabled)
{
    box->setEnabled(enabled);
    // White while it can be used, the grey of the dialog otherwise.
    QPalette p = box->palette();
    p.setColor(QPalette::Base, enabled ? QColor(Qt::white) : box->palette().color(QPalette::Window));
    p.setColor(QPalette::Text, QColor(Qt::black));
    box->setPalette(p);
}

bool ShowProperties(bool skipRefresh, QWidget* parent)
{
    const CalendarDocument before = Session::Get().CurrentDocument;
    PropertiesDialog dialog(parent);
    dialog.exec();
    const bool confirmed = dialog.Result() == 1;
    if (confirmed && !skipRefresh) RebuildChangedMonths(before);
    return !confirmed;
}
