// The event editor's pages and controls; their behaviour is in EventEditor.cpp.
#include "document/Session.h"
#include "entries/AlarmControls.h"
#include "entries/EditorFrame.h"
#include "entries/EventEditor.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QWidget* EventEditor::BuildGeneralPage()
{
    auto* page = new QWidget;
    auto* frame = new QGroupBox(Str(708), page);

    m_type = new QButtonGroup(this);
    m_type->setExclusive(true);
    auto* types = new QHBoxLayout;
    const int typeTexts[] = {711, 712, 713};
    for (int i = 0; i < 3; ++i) {
        QCheckBox* box = NamedCheckBox(typeTexts[i], QStringLiteral("ChkEV%1").arg(i), frame);
        m_type->addButton(box, i);
        types->addWidget(box);
    }
    types->addStretch();
    m_description = FilteredTextBox(QStringLiteral("TxtEV0"), frame);
    m_amount = AmountTextBox(QStringLiteral("TxtEV1"), AmountSign::Kept, frame);
    m_warning = Named(new QLabel(frame), QStringLiteral("LblWarning"));
    m_warning->setWordWrap(true);
    m_warning->hide();

    m_linked = NamedCheckBox(710, QStringLiteral("ChkGen"), frame);
    m_accountPanel = Named(new QWidget(frame), QStringLiteral("FraDE"));
    m_accounts = Named(new QComboBox(m_accountPanel), QStringLiteral("CmbDE"));
    m_direction = new QButtonGroup(this);
    m_direction->setExclusive(true);
    auto* directions = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        QCheckBox* box = NamedCheckBox(716 + i, QStringLiteral("ChkDE%1").arg(i), m_accountPanel);
        m_direction->addButton(box, i);
        directions->addWidget(box);
    }
    directions->addStretch();
    m_moveAmount = AmountTextBox(QStringLiteral("TxtDE0"), AmountSign::Absolute, m_accountPanel);
    m_before = FilteredTextBox(QStringLiteral("TxtDE1"), m_accountPanel);
    m_after = FilteredTextBox(QStringLiteral("TxtDE2"), m_accountPanel);
    m_before->setReadOnly(true);
    m_after->setReadOnly(true);
    m_beforeLabel = Named(new QLabel(m_accountPanel), QStringLiteral("LblDE1"));
    m_afterLabel = Named(new QLabel(m_accountPanel), QStringLiteral("LblDE2"));
    auto* account = new QFormLayout(m_accountPanel);
    account->setContentsMargins(20, 0, 0, 0);
    account->addRow(m_accounts);
    account->addRow(directions);
    account->addRow(Str(715), m_moveAmount);
    account->addRow(m_beforeLabel, m_before);
    account->addRow(m_afterLabel, m_after);
    m_hint = Named(new QLabel(Str(720), frame), QStringLiteral("LblDE"));
    m_hint->setWordWrap(true);
    m_hint->hide();

    auto* form = new QFormLayout(frame);
    form->addRow(types);
    form->addRow(Str(714), m_description);
    form->addRow(Str(715), m_amount);
    form->addRow(m_warning);
    form->addRow(m_linked);
    form->addRow(m_accountPanel);
    form->addRow(m_hint);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* EventEditor::BuildDisplayPage()
{
    auto* page = new QWidget;
    auto* colourFrame = new QGroupBox(Str(721), page);
    m_noColour = NamedCheckBox(723, QStringLiteral("ChkCol"), colourFrame);
    m_colourLabel = Named(new QLabel(Str(724), colourFrame), QStringLiteral("LblCol"));
    m_colourLabel->installEventFilter(this);
    m_swatch = Named(new QToolButton(colourFrame), QStringLiteral("PicSelCol"));
    m_swatch->setIconSize(QSize(48, 16));
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_colourLabel);
    colourRow->addWidget(m_swatch);
    colourRow->addStretch();
    auto* colourLayout = new QVBoxLayout(colourFrame);
    colourLayout->addWidget(m_noColour);
    colourLayout->addLayout(colourRow);

    auto* pictureFrame = new QGroupBox(Str(722), page);
    m_noPicture = NamedCheckBox(725, QStringLiteral("ChkBck0"), pictureFrame);
    m_pictureName = FilteredTextBox(QStringLiteral("TxtBck"), pictureFrame);
    m_pictureName->setReadOnly(true);
    m_choosePicture = Named(new QPushButton(Str(527), pictureFrame), QStringLiteral("CmdBck"));
    m_showPreview = NamedCheckBox(728, QStringLiteral("ChkBck1"), pictureFrame);
    m_preview = Named(new QLabel(pictureFrame), QStringLiteral("ImgBck"));
    m_preview->setFixedSize(160, 120);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_pictureName);
    nameRow->addWidget(m_choosePicture);
    auto* pictureLayout = new QVBoxLayout(pictureFrame);
    pictureLayout->addWidget(m_noPicture);
    pictureLayout->addWidget(new QLabel(Str(526), pictureFrame));
    pictureLayout->addLayout(nameRow);
    pictureLayout->addWidget(m_showPreview);
    pictureLayout->addWidget(m_preview);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(colourFrame);
    layout->addWidget(pictureFrame);
    layout->addStretch();
    return page;
}

QWidget* EventEditor::BuildAlarmPage()
{
    auto* page = new QWidget;
    m_alarm = new AlarmControls(page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_alarm);
    layout->addStretch();
    return page;
}

void EventEditor::ShowValues(const EventFormValues& v)
{
    m_locked = GeneratedWarning(v.LinkKey) != 0;
    if (m_locked) {
        m_warning->setText(Str(GeneratedWarning(v.LinkKey)));
        m_warning->show();
    }
    m_type->button(v.Choice)->setChecked(true);
    m_description->setMaxLength(DescriptionLimit(v.Choice, int(v.Description.size())));
    m_description->setText(v.Description);
    m_amount->setText(v.Amount);
    m_moveAmount->setText(v.MoveAmount);
    m_accounts->addItems(AccountLines(Session::Get().CurrentDocument));
    if (v.Account < m_accounts->count()) m_accounts->setCurrentIndex(v.Account);
    m_direction->button(v.Direction)->setChecked(true);
    m_linked->setChecked(v.Linked);

    m_colour = v.Colour;
    m_noColour->setChecked(!v.SpecialColour);
    m_picturePath = v.PicturePath;
    m_picture = v.Picture;
    m_pictureName->setText(v.PicturePath);
    m_noPicture->setChecked(!v.SpecialPicture);
    m_showPreview->setChecked(v.ShowPreview);

    m_alarm->Show(!v.AlarmOn, v.DaysBefore, v.Sound);
}
