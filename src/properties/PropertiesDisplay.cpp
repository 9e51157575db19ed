// The display page of the properties dialog: the tree of the defaults and the twelve months,
// the background panel, the colour panel and the preview.

#include "calfile/CalFile.h"
#include "document/ColourValue.h"
#include "pictures/ChoosePicture.h"
#include "platform/CommonDialogs.h"
#include "platform/Prompter.h"
#include "properties/ApplyProperties.h"
#include "properties/PropertiesDialog.h"
#include "properties/PropertiesPreview.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
enum NodeKind
{
    KindNode,
    KindPicture,
    KindColours
};

QCheckBox* Box(int text, const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(Str(text), parent);
    box->setObjectName(name);
    return box;
}

// Checked, greyed or unchecked, as the months on the defaults are all, some or none.
void ShowOnDefaults(QCheckBox* box, MonthsOnDefaults state)
{
    box->setTristate(state == MonthsOnDefaults::Some);
    box->setCheckState(state == MonthsOnDefaults::All    ? Qt::Checked
                       : state == MonthsOnDefaults::Some ? Qt::PartiallyChecked
                                                         : Qt::Unchecked);
}

// A greyed box clicked becomes checked; afterwards it only toggles. Greyed counts as set.
bool ClickedOnDefaults(QCheckBox* box)
{
    const bool set = box->checkState() != Qt::Unchecked;
    box->setTristate(false);
    return set;
}

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

QWidget* PropertiesDialog::BuildDisplayPage()
{
    auto* page = new QWidget;
    m_tree = new QTreeWidget(page);
    m_tree->setObjectName(QStringLiteral("TreeDisp"));
    m_tree->setHeaderHidden(true);
    m_tree->setFixedWidth(170);
    for (int node = kDefaultsNode; node < kDisplayNodes; ++node) {
        auto* item = new QTreeWidgetItem(m_tree, {Str(node == kDefaultsNode ? 512 : 209 + node)});
        item->setData(0, kNodeRole, node);
        item->setData(0, kKindRole, KindNode);
        for (int kind : {KindPicture, KindColours}) {
            auto* child = new QTreeWidgetItem(item, {Str(kind == KindPicture ? 513 : 514)});
            child->setData(0, kNodeRole, node);
            child->setData(0, kKindRole, kind);
        }
    }

    m_panelTitle = new QLabel(page);
    m_panelTitle->setObjectName(QStringLiteral("LblDisp"));
    QFont bold = m_panelTitle->font();
    bold.setBold(true);
    m_panelTitle->setFont(bold);
    m_previewPanel = new QWidget;
    m_previewPanel->setObjectName(QStringLiteral("PicPrev"));
    m_preview = new PropertiesPreview(m_previewPanel);
    auto* previewLayout = new QVBoxLayout(m_previewPanel);
    previewLayout->addWidget(m_preview, 0, Qt::AlignLeft | Qt::AlignTop);
    previewLayout->addStretch();
    m_panels = new QStackedWidget(page);
    m_panels->addWidget(m_previewPanel);
    m_panels->addWidget(BuildBackgroundPanel());
    m_panels->addWidget(BuildColourPanel());

    auto* right = new QVBoxLayout;
    right->addWidget(m_panelTitle);
    right->addWidget(m_panels, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_tree);
    layout->addLayout(right, 1);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &PropertiesDialog::OnNodeSelected);
    NodeItem(kDefaultsNode)->setExpanded(true);
    m_tree->setCurrentItem(NodeItem(kDefaultsNode));
    return page;
}

QWidget* PropertiesDialog::BuildBackgroundPanel()
{
    m_backgroundPanel = new QWidget;
    m_backgroundPanel->setObjectName(QStringLiteral("PicBck"));
    const int texts[] = {522, 523, 524, 525};
    for (int i = 0; i < 4; ++i) m_bck[size_t(i)] = Box(texts[i], QStringLiteral("ChkBck%1").arg(i), m_backgroundPanel);
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

QWidget* PropertiesDialog::BuildColourPanel()
{
    m_colourPanel = new QWidget;
    m_colourPanel->setObjectName(QStringLiteral("PicCol"));
    m_col[0] = Box(522, QStringLiteral("ChkCol0"), m_colourPanel);
    m_col[1] = Box(529, QStringLiteral("ChkCol1"), m_colourPanel);
    connect(m_col[0], &QCheckBox::clicked, this, &PropertiesDialog::OnColourDefaults);
    connect(m_col[1], &QCheckBox::clicked, this, &PropertiesDialog::OnGrids);

    auto* rows = new QGridLayout;
    for (int row = 0; row < kColourRows; ++row) {
        auto* label = new QLabel(Str(ColourRows()[size_t(row)].Text), m_colourPanel);
        label->setObjectName(QStringLiteral("LblCol%1").arg(row));
        label->installEventFilter(this);
        auto* swatch = new QToolButton(m_colourPanel);
        swatch->setObjectName(QStringLiteral("PicSelCol%1").arg(row));
        swatch->setIconSize(QSize(36, 14));
        connect(swatch, &QToolButton::clicked, this, [this, row] { ChooseColour(row); });
        m_colLabels[size_t(row)] = label;
        m_swatches[size_t(row)] = swatch;
        // Two columns of five rows.
        rows->addWidget(swatch, row % 5, (row / 5) * 2);
        rows->addWidget(label, row % 5, (row / 5) * 2 + 1);
    }
    rows->setColumnStretch(1, 1);
    rows->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(m_colourPanel);
    layout->addWidget(m_col[0]);
    layout->addWidget(m_col[1]);
    layout->addSpacing(8);
    layout->addLayout(rows);
    layout->addStretch();
    return m_colourPanel;
}

QTreeWidgetItem* PropertiesDialog::NodeItem(int node) const
{
    return m_tree->topLevelItem(node);
}

QTreeWidgetItem* PropertiesDialog::PictureItem(int node) const
{
    return NodeItem(node)->child(0);
}

QTreeWidgetItem* PropertiesDialog::ColoursItem(int node) const
{
    return NodeItem(node)->child(1);
}

int PropertiesDialog::PanelNode() const
{
    const QWidget* panel = m_panels->currentWidget();
    return qBound(kDefaultsNode, panel->property("Tag").toString().toInt(), kDisplayNodes - 1);
}

void PropertiesDialog::OnNodeSelected()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item) return;
    const int node = item->data(0, kNodeRole).toInt();
    const int kind = item->data(0, kKindRole).toInt();
    const QString parentText = NodeItem(node)->text(0);
    QWidget* panel = kind == KindPicture ? m_backgroundPanel : kind == KindColours ? m_colourPanel : m_previewPanel;
    panel->setProperty("Tag", QString::number(node));
    m_panels->setCurrentWidget(panel);
    m_panelTitle->setText(parentText + u' ' + Str(kind == KindPicture ? 521 : kind == KindColours ? 514 : 515));
    if (kind == KindPicture) FillBackgroundPanel();
    if (kind == KindColours) FillColourPanel();
    ShowPreview();
}

void PropertiesDialog::ShowPreview()
{
    const int node = PanelNode();
    m_preview->ShowSample(PreviewBackground(m_work, node), PreviewColours(m_work, node));
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
    const BackgroundPanelStates s =
        BackgroundPanel(node, m_bck[0]->checkState() != Qt::Unchecked, m_bck[1]->isChecked(),
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
    const PictureChoice choice = ChoosePicture(m_bckName->text());
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
    if (const std::optional<QImage> adjusted = edit(b.Picture)) {
        b.Picture = *adjusted;
        ShowPreview();
    }
    UpdateBackgroundPanel();
}

void PropertiesDialog::FillColourPanel()
{
    m_filling = true;
    const int node = PanelNode();
    const ColourSettings& c = m_work.Colours[size_t(node)];
    m_col[0]->setText(Str(OnDefaultsCaption(node)));
    ShowOnDefaults(m_col[0], node == kDefaultsNode ? ColoursOnDefaults(m_work)
                             : c.UseDefault        ? MonthsOnDefaults::All
                                                   : MonthsOnDefaults::None);
    m_col[1]->setChecked(c.ShowGrids);
    for (int row = 0; row < kColourRows; ++row) ShowSwatch(row);
    m_filling = false;
    UpdateColourPanel();
}

void PropertiesDialog::UpdateColourPanel()
{
    const int node = PanelNode();
    const bool onDefaults = m_col[0]->checkState() != Qt::Unchecked;
    m_col[1]->setEnabled(GridsBoxEnabled(node, onDefaults));
    for (int row = 0; row < kColourRows; ++row) {
        const bool enabled = ColourRowEnabled(row, node, onDefaults);
        m_colLabels[size_t(row)]->setEnabled(enabled);
        m_swatches[size_t(row)]->setEnabled(enabled);
    }
}

void PropertiesDialog::OnColourDefaults()
{
    if (m_filling) return;
    SetColoursOnDefaults(m_work, PanelNode(), ClickedOnDefaults(m_col[0]));
    ShowPreview();
    UpdateColourPanel();
}

void PropertiesDialog::OnGrids()
{
    if (m_filling) return;
    m_work.Colours[size_t(PanelNode())].ShowGrids = m_col[1]->isChecked();
    ShowPreview();
}

void PropertiesDialog::ChooseColour(int row)
{
    const int n = ColourRows()[size_t(row)].Colour;
    if (n == 0 || !m_swatches[size_t(row)]->isEnabled()) return;
    ColourSettings& c = m_work.Colours[size_t(PanelNode())];
    if (const std::optional<qint32> chosen = CommonDialogs::Current().ChooseColour(c.Colour(n))) {
        c.Colour(n) = *chosen;
        ShowSwatch(row);
        ShowPreview();
    }
}

void PropertiesDialog::ShowSwatch(int row)
{
    const int n = ColourRows()[size_t(row)].Colour;
    QToolButton* swatch = m_swatches[size_t(row)];
    QPixmap picture(swatch->iconSize());
    picture.fill(n ? ToQColor(m_work.Colours[size_t(PanelNode())].Colour(n)) : palette().color(QPalette::Window));
    QPainter(&picture).drawRect(picture.rect().adjusted(0, 0, -1, -1));
    // A disabled row still shows its colour, as the defaults the month follows.
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Disabled);
    swatch->setIcon(icon);
}

bool PropertiesDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        for (int row = 0; row < kColourRows; ++row)
            if (watched == m_colLabels[size_t(row)] && m_colLabels[size_t(row)]->isEnabled()) {
                ChooseColour(row);
                return true;
            }
    return QDialog::eventFilter(watched, event);
}
