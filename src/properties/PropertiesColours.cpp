// The colour panel of the properties dialog: the ten colour rows of the defaults or of a month,
// the grids, and the colour dialog.

#include "dialogkit/EditorFrame.h"
#include "document/ColourValue.h"
#include "platform/CommonDialogs.h"
#include "properties/PanelBoxes.h"
#include "properties/PropertiesDialog.h"
#include "resources/Strings.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PanelBoxes;

QWidget* PropertiesDialog::BuildColourPanel()
{
    m_colourPanel = new QWidget;
    m_colourPanel->setObjectName(QStringLiteral("PicCol"));
    m_col[0] = NamedCheckBox(522, QStringLiteral("ChkCol0"), m_colourPanel);
    m_col[1] = NamedCheckBox(529, QStringLiteral("ChkCol1"), m_colourPanel);
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
    picture.fill(n ? ToQColor(m_work.Colours[size_t(PanelNode())].Colour(n))
                   : palette().color(QPalette::Window));
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
