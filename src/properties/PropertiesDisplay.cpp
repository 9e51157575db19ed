// The display page of the properties dialog: the tree of the defaults and the twelve months,
// and the panel each node shows (the preview here; the background and colour panels in their
// own files).

#include "properties/PropertiesDialog.h"
#include "properties/PropertiesPreview.h"
#include "resources/Strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
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
    return m_panelNode;
}

void PropertiesDialog::OnNodeSelected()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item) return;
    const int node = item->data(0, kNodeRole).toInt();
    const int kind = item->data(0, kKindRole).toInt();
    const QString parentText = NodeItem(node)->text(0);
    QWidget* panel = kind == KindPicture   ? m_backgroundPanel
                     : kind == KindColours ? m_colourPanel
                                           : m_previewPanel;
    m_panelNode = qBound(kDefaultsNode, node, kDisplayNodes - 1);
    m_panels->setCurrentWidget(panel);
    m_panelTitle->setText(parentText + u' ' +
                          Str(kind == KindPicture   ? 521
                              : kind == KindColours ? 514
                                                    : 515));
    if (kind == KindPicture) FillBackgroundPanel();
    if (kind == KindColours) FillColourPanel();
    ShowPreview();
}

void PropertiesDialog::ShowPreview()
{
    const int node = PanelNode();
    m_preview->ShowSample(PreviewBackground(m_work, node), PreviewColours(m_work, node));
}
