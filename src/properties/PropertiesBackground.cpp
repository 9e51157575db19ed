// The background panel of the properties dialog: the picture of the defaults or of a month,
// how it covers the calendar, and its choice and adjustment.

#include "calfile/CalFile.h"
#include "dialogkit/EditorFrame.h"
#include "dialogkit/PictureChoice.h"
#include "platform/Prompter.h"
#include "properties/ApplyProperties.h"
#include "properties/PanelBoxes.h"
#include "properties/PropertiesDialog.h"
#include "resources/Strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace PanelBoxes;

namespace {

// The adjust button's icon: a framed landscape under a half-dark sun (size and brightness).
QIcon AdjustIcon()
{
    QPixmap icon(20, 20);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 210, 255));
    p.drawRect(QRectF(1.5, 3.5, 17, 13));
    p.setBrush(QColor(60, 140, 60));
    p.drawPolygon(QPolygonF({QPointF(2, 16), QPointF(8, 9), QPointF(13, 16)}));
    p.setBrush(QColor(255, 200, 0));
    p.drawPie(QRectF(11, 5, 6, 6), 90 * 16, 180 * 16);
    p.setBrush(QColor(120, 90, 0));
    p.drawPie(QRectF(11, 5, 6, 6), -90 * 16, 180 * 16);
    return QIcon(icon);
}

} // namespace

QWidget* PropertiesDialog::BuildBackgroundPanel()
{
    m_backgroundPanel = new QWidget;
    m_backgroundPanel->setObjectName(QStringLiteral("PicBck"));
    const int texts[] = {522, 523, 524, 525};
    for (int i = 0; i < 4; ++i)
        m_bck[size_t(i)] = NamedCheckBox(texts[i], QStringLiteral("ChkBck%1").arg(i), m_backgroundPanel);
    m_bckNameLabel = new QLabel(Str(526), m_backgroundPanel);
    m_bckNameLabel->setObjectName(QStringLiteral("LblBck"));
    m_bckName = new QLineEdit(m_backgroundPanel);
    m_bckName->setObjectName(QStringLiteral("TxtBck"));
    m_bckName->setReadOnly(true);
    m_bckChoose = new QPushButton(Str(527), m_backgroundPanel);
    m_bckChoose->setObjectName(QStringLiteral("CmdBck"));
    m_bckAdjust = new QPushButton(AdjustIcon(), QString(), m_backgroundPanel);
    m_bckAdjust->setObjectName(QStringLiteral("CmdBckAdjust"));

    connect(m_bck[0], &QCheckBox::clicked, this, &PropertiesDialog::OnBackgroundDefaults);
    connect(m_bck[1], &QCheckBox::clicked, this, &PropertiesDialog::OnNoPicture);
    connect(m_bck[2], &QCheckBox::clicked, this, [this] { OnModeBox(2); });
    connect(m_bck[3], &QCheckBox::clicked, this, [this] { OnModeBox(3); });
    connect(m_bckChoose, &QPushButton::clicked, this, &PropertiesDialog::OnChoosePicture);
    connect(m_bckAdjust, &QPushButton::clicked, this, &PropertiesDialog::OnAdjustPicture);

    auto* layout = new QVBoxLayout(m_backgroundPanel);
    for (QCheckBox* box : m_bck) layout->addWidget(box);
    layout->addSpacing(8);
    layout->addWidget(m_bckNameLabel);
    auto* name = new QHBoxLayout;
    name->addWidget(m_bckName, 1);
    name->addWidget(m_bckChoose);
    name->addWidget(m_bckAdjust);
    layout->addLayout(name);
    layout->addStretch();
    return m_backgroundPanel;
}

void PropertiesDialog::FillBackgroundPanel()
{
    m_filling = true;
    const int node = PanelNode();
    const BackgroundSettings& b = m_work.Backgrounds[size_t(node)];
    m_bck[0]->setText(Str(OnDefaultsCaption(node)));
    ShowOnDefaults(m_bck[0], node == kDefaultsNode ? BackgroundsOnDefaults(m_work)
                             : b.UseDefault        ? MonthsOnDefaults::All
                                                   : MonthsOnDefaults::None);
    m_bck[1]->setChecked(b.PicturePath.isEmpty());
    m_bckName->setText(b.PicturePath.trimmed());
    m_bck[2]->setChecked(b.Mode == 1);
    m_bck[3]->setChecked(b.Mode == 2);
    m_filling = false;
    UpdateBackgroundPanel();
}

void PropertiesDialog::UpdateBackgroundPanel()
{
    const int node = PanelNode();
    const BackgroundPanelStates s = BackgroundPanel(
        node, m_bck[0]->checkState() != Qt::Unchecked, m_bck[1]->isChecked(),
        !m_work.Backgrounds[size_t(node)].Picture.isNull(), bool(PropertiesHooks::Get().EditPicture));
    m_bck[1]->setEnabled(s.PictureBoxes);
    m_bckNameLabel->setEnabled(s.PictureBoxes);
    m_bck[2]->setEnabled(s.ModeBoxes);
    m_bck[3]->setEnabled(s.ModeBoxes);
    SetBoxEnabled(m_bckName, s.NameBox);
    m_bckChoose->setEnabled(s.Choose);
    m_bckAdjust->setEnabled(s.Adjust);
}

void PropertiesDialog::OnBackgroundDefaults()
{
    if (m_filling) return;
    SetBackgroundOnDefaults(m_work, PanelNode(), ClickedOnDefaults(m_bck[0]));
    ShowPreview();
    UpdateBackgroundPanel();
}

void PropertiesDialog::OnNoPicture()
{
    if (m_filling) return;
    SetNoPicture(m_work.Backgrounds[size_t(PanelNode())], m_bck[1]->isChecked(), m_bckName->text());
    ShowPreview();
    UpdateBackgroundPanel();
}

void PropertiesDialog::OnModeBox(int box)
{
    if (m_filling) return;
    if (m_bck[2]->isChecked() && m_bck[3]->isChecked()) m_bck[size_t(box == 2 ? 3 : 2)]->setChecked(false);
    BackgroundSettings& b = m_work.Backgrounds[size_t(PanelNode())];
    b.Mode = PictureMode(m_bck[2]->isChecked(), m_bck[3]->isChecked());
    if (!b.PicturePath.isEmpty()) ShowPreview();
    UpdateBackgroundPanel();
}

void PropertiesDialog::OnChoosePicture()
{
    const PictureChoice choice = AskForPicture(m_bckName->text());
    if (choice.Result != 1 || choice.Path.isEmpty()) return;
    BackgroundSettings& b = m_work.Backgrounds[size_t(PanelNode())];
    QImage picture;
    if (LoadPictureFile(choice.Path, picture)) {
        b.PicturePath = choice.Path;
        b.Picture = picture;
        m_bckName->setText(choice.Path);
    } else {
        // Not a picture: no picture at all rather than a path that shows nothing.
        b.PicturePath.clear();
        b.Picture = QImage();
        m_bckName->clear();
        ShowMessage(QStringLiteral("Daybinder"), Str(10049), PromptIcon::Stop);
    }
    ShowPreview();
    UpdateBackgroundPanel();
}

void PropertiesDialog::OnAdjustPicture()
{
    const auto& edit = PropertiesHooks::Get().EditPicture;
    BackgroundSettings& b = m_work.Backgrounds[size_t(PanelNode())];
    if (!edit || b.Picture.isNull()) return;
    if (const std::optional<QImage> adjusted = edit(b.Picture, b.PicturePath)) {
        b.Picture = *adjusted;
        ShowPreview();
    }
    UpdateBackgroundPanel();
}
