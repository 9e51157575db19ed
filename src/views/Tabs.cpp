#include "views/Tabs.h"

#include "dialogkit/EditorFrame.h"
#include "document/Money.h"
#include "resources/Strings.h"
#include "views/CommandRules.h"
#include "views/Icons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <limits>

namespace {

QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// The two balance labels, hidden until an account and a day give them something to show.
BalanceLabelWidgets AddBalance(QGridLayout* grid, int row, const QString& stem, QWidget* parent)
{
    BalanceLabelWidgets labels{};
    for (int i = 0; i < 2; ++i) {
        labels[size_t(i)] = NamedLabel(QString(), stem + QString::number(i), parent);
        labels[size_t(i)]->hide();
        grid->addWidget(labels[size_t(i)], row, i, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    return labels;
}

} // namespace

void ShowBalanceLabels(const BalanceLabelWidgets& labels, bool visible, const QString& caption,
                       const QString& value)
{
    labels[0]->setText(visible ? caption : QString());
    labels[1]->setText(visible ? value : QString());
    for (QLabel* l : labels) l->setVisible(visible);
}

// ---- EventsTab

EventsTab::EventsTab(QWidget* parent)
    : ListTab(TabEvents, QStringLiteral("EV"), PictureButton, parent), m_date(new QLineEdit(this))
{
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(NamedLabel(Str(252), QStringLiteral("LblEVSelDate"), this));
    m_date->setObjectName(QStringLiteral("TxtEVSelDate"));
    m_date->setReadOnly(true);
    dateRow->addWidget(m_date, 1);
    TopLayout()->insertLayout(0, dateRow);

    auto* totals = new QGridLayout;
    totals->setVerticalSpacing(2);
    const char* names[3] = {"LblEVInTot", "LblEVOutTot", "LblEVTot"};
    for (int i = 0; i < 3; ++i) {
        totals->addWidget(new QLabel(Str(258 + i), WorkPanel()), i, 0);
        m_totals[size_t(i)] = NamedLabel(QStringLiteral("0$"), QLatin1String(names[i]), WorkPanel());
        totals->addWidget(m_totals[size_t(i)], i, 1, Qt::AlignRight);
    }
    m_balance = AddBalance(totals, 3, QStringLiteral("LblEVBal"), WorkPanel());
    WorkLayout()->insertLayout(1, totals);
}

void EventsTab::SetTotals(qint32 incomes, qint32 expenses, qint32 total)
{
    const qint32 values[3] = {incomes, expenses, total};
    for (int i = 0; i < 3; ++i) m_totals[size_t(i)]->setText(MoneyText(values[i]));
}

// ---- DebtsTab

DebtsTab::DebtsTab(QWidget* parent) : ListTab(TabDebts, QStringLiteral("DE"), NoExtra, parent)
{
    auto* grid = new QGridLayout;
    m_balance = AddBalance(grid, 0, QStringLiteral("LblDEBal"), WorkPanel());
    WorkLayout()->insertLayout(1, grid);
}

// ---- SummaryTab

SummaryTab::SummaryTab(QWidget* parent)
    : TabPage(TabSummary, parent), m_chart(new QPushButton(Str(273), HintPanel())),
      m_types(new QButtonGroup(this))
{
    m_chart->setObjectName(QStringLiteral("CmdSUChart"));
    HintLayout()->insertWidget(2, m_chart);
    connect(m_chart, &QPushButton::clicked, this, &SummaryTab::ChartRequested);

    auto* typeBox = new QGroupBox(Str(270), WorkPanel());
    auto* typeLayout = new QVBoxLayout(typeBox);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(Str(274 + i), typeBox);
        box->setObjectName(QStringLiteral("ChkSU%1").arg(i));
        box->setChecked(i == 1);
        m_types->addButton(box, i);
        typeLayout->addWidget(box);
    }
    m_types->setExclusive(true); // unchecking the only checked box leaves it checked
    connect(m_types, &QButtonGroup::idClicked, this, &SummaryTab::TypeChosen);
    WorkLayout()->addWidget(typeBox);

    auto* spanBox = new QGroupBox(Str(271), WorkPanel());
    auto* span = new QGridLayout(spanBox);
    span->addWidget(NamedLabel(Str(278), QStringLiteral("LblSUFrom0"), spanBox), 0, 0);
    m_from = NamedLabel(QString(), QStringLiteral("LblSUFrom1"), spanBox);
    span->addWidget(m_from, 0, 1);
    span->addWidget(NamedLabel(Str(279), QStringLiteral("LblSUTo0"), spanBox), 1, 0);
    m_to = NamedLabel(QString(), QStringLiteral("LblSUTo1"), spanBox);
    span->addWidget(m_to, 1, 1);
    WorkLayout()->addWidget(spanBox);

    auto* resultBox = new QGroupBox(Str(272), WorkPanel());
    auto* results = new QGridLayout(resultBox);
    for (int i = 0; i < 3; ++i) {
        results->addWidget(NamedLabel(Str(280 + i), QStringLiteral("LblSUInf%1").arg(i), resultBox), i, 0);
        auto* box = new QLineEdit(QStringLiteral("0$"), resultBox);
        box->setObjectName(QStringLiteral("TxtSUInf%1").arg(i));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(
            WidthToShow(box, MoneyText(std::numeric_limits<qint32>::min()))); // the widest total
        m_results[size_t(i)] = box;
        results->addWidget(box, i, 1);
    }
    WorkLayout()->addWidget(resultBox);
    WorkLayout()->addStretch();
}

int SummaryTab::SummaryType() const
{
    return std::max(0, m_types->checkedId());
}

void SummaryTab::ApplyStates(bool editing, bool daySelected, bool printerInstalled)
{
    TabPage::ApplyStates(editing, daySelected, printerInstalled);
    const PanelStates p = TabPanels(TabSummary, editing, daySelected);
    // The chart needs no day: one button, under the results once a day is chosen.
    QWidget* panel = p.Work ? WorkPanel() : HintPanel();
    if (m_chart->parentWidget() != panel) {
        m_chart->parentWidget()->layout()->removeWidget(m_chart);
        auto* layout = static_cast<QVBoxLayout*>(panel->layout());
        layout->insertWidget(p.Work ? layout->count() - 1 : 2, m_chart);
    }
    m_chart->setEnabled(p.Work || p.StepTwo);
}

// ---- CommandsTab

CommandsTab::CommandsTab(QWidget* parent) : TabPage(TabCommands, parent)
{
    struct Item
    {
        const char* name;
        int text;
        const char* image; // the toolbar picture shown beside the button, if any
        const char* key;
        const char* plain = nullptr; // a caption that has no number
    };
    const auto frame = [this](int title, std::initializer_list<Item> items) {
        auto* box = new QGroupBox(title ? Str(title) : QStringLiteral("Exporter / Importer"), WorkPanel());
        auto* grid = new QGridLayout(box);
        grid->setColumnMinimumWidth(0, 28);
        grid->setColumnStretch(1, 1);
        int row = 0;
        for (const Item& it : items) {
            auto* b = new QPushButton(it.plain ? QString::fromUtf8(it.plain) : Str(it.text), box);
            b->setObjectName(QLatin1String(it.name));
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(b, &QPushButton::clicked, this,
                    [this, name = b->objectName()] { emit CommandClicked(name); });
            m_buttons.append(b);
            if (it.image) {
                auto* img = NamedLabel(QString(), QLatin1String(it.image), box);
                img->setProperty("key", QLatin1String(it.key));
                img->setProperty("button", b->objectName());
                m_images.append(img);
                grid->addWidget(img, row, 0);
            } else {
                grid->addItem(new QSpacerItem(24, 1), row, 0); // buttons line up in every frame
            }
            grid->addWidget(b, row++, 1);
        }
        WorkLayout()->addWidget(box);
    };
    frame(26003, {{"CmdCOUndo", 26001, "ImgCOUndo", "Undo"}, {"CmdCORedo", 26002, "ImgCORedo", "Redo"}});
    frame(235, {{"CmdCONew", 238, nullptr, nullptr},
                {"CmdCOOpen", 239, nullptr, nullptr},
                {"CmdCOSave", 240, "ImgCOSave", "Save"},
                {"CmdCOSaveAs", 241, nullptr, nullptr}});
    frame(237,
          {{"CmdCOPreview", 242, "ImgCOPreview", "Preview"}, {"CmdCOPrint", 243, "ImgCOPrint", "Print"}});
    frame(236, {{"CmdCOOptions", 244, nullptr, nullptr},
                {"CmdCOAbout", 245, nullptr, nullptr},
                {"CmdCOExit", 246, nullptr, nullptr}});
    // Calendars and spreadsheets of other programs; the only frame whose title has no number.
    frame(0, {{"CmdCOExport", 0, nullptr, nullptr, "Exporter..."},
              {"CmdCOImport", 0, nullptr, nullptr, "Importer..."},
              {"CmdCOSync", 28018, nullptr, nullptr}});
    WorkLayout()->addStretch();
    ApplyStates(false, false, false);
}

QPushButton* CommandsTab::Button(const QString& name) const
{
    for (QPushButton* b : m_buttons)
        if (b->objectName() == name) return b;
    return nullptr;
}

QLabel* CommandsTab::Image(const QString& name) const
{
    for (QLabel* l : m_images)
        if (l->objectName() == name) return l;
    return nullptr;
}

void CommandsTab::ApplyStates(bool editing, bool daySelected, bool printerInstalled)
{
    TabPage::ApplyStates(editing, daySelected, printerInstalled);
    const bool canPrint = editing && printerInstalled;
    for (QPushButton* b : m_buttons) b->setEnabled(Available(b->objectName()));
    const auto enable = [this](const QString& name, bool on) {
        QPushButton* b = Button(name);
        b->setEnabled(on && b->isEnabled());
        return b->isEnabled();
    };
    for (const char* name :
         {"CmdCOUndo", "CmdCORedo", "CmdCOSave", "CmdCOSaveAs", "CmdCOExport", "CmdCOImport", "CmdCOSync"})
        enable(QLatin1String(name), editing);
    enable(QStringLiteral("CmdCOPreview"), canPrint);
    enable(QStringLiteral("CmdCOPrint"), canPrint);
    // Each picture shows its button's state.
    for (QLabel* img : m_images) {
        const bool on = Button(img->property("button").toString())->isEnabled();
        img->setEnabled(on);
        img->setPixmap(ToolbarIcon(img->property("key").toString())
                           .pixmap(24, 24, on ? QIcon::Normal : QIcon::Disabled));
    }
}
