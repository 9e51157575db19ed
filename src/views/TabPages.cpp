#include "views/TabPages.h"

#include "help/Help.h"
#include "resources/Strings.h"
#include "views/CommandRules.h"
#include "views/Icons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* WrappedLabel(int text, const QString& name, QWidget* parent)
{
    auto* l = new QLabel(Str(text), parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

} // namespace

// ---- TabPage

TabPage::TabPage(int tabIndex, QWidget* parent)
    : QWidget(parent), m_tabIndex(tabIndex), m_top(new QVBoxLayout(this)), m_hint(new QFrame(this)),
      m_work(new QWidget(this)), m_help(new QToolButton(this))
{
    setObjectName(QStringLiteral("PicTab%1").arg(5 - tabIndex));
    m_top->setContentsMargins(6, 6, 6, 6);
    auto* hint = new QVBoxLayout(m_hint);
    m_stepOne = WrappedLabel(250, QStringLiteral("LblStepOne"), m_hint);
    m_stepTwo = WrappedLabel(251, QStringLiteral("LblStepTwo"), m_hint);
    hint->addWidget(m_stepOne);
    hint->addWidget(m_stepTwo);
    hint->addStretch();
    static_cast<QFrame*>(m_hint)->setFrameShape(QFrame::StyledPanel);
    auto* work = new QVBoxLayout(m_work);
    work->setContentsMargins(0, 0, 0, 0);
    m_top->addWidget(m_hint, 1);
    m_top->addWidget(m_work, 1);

    m_help->setObjectName(QStringLiteral("CmdHelp"));
    m_help->setIcon(ToolbarIcon(QStringLiteral("Help")));
    m_help->setToolTip(Str(223));
    m_help->setAutoRaise(true);
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(m_help);
    m_top->addLayout(helpRow);
    connect(m_help, &QToolButton::clicked, this, [this] {
        const QString page = TabHelpPage(m_tabIndex, m_editing, m_daySelected);
        emit HelpRequested(page);
        ShowHelpTopic(page);
    });
}

QVBoxLayout* TabPage::WorkLayout() const
{
    return static_cast<QVBoxLayout*>(m_work->layout());
}

QVBoxLayout* TabPage::HintLayout() const
{
    return static_cast<QVBoxLayout*>(m_hint->layout());
}

void TabPage::ApplyStates(bool editing, bool daySelected, bool)
{
    m_editing = editing;
    m_daySelected = daySelected;
    const PanelStates p = TabPanels(m_tabIndex, editing, daySelected);
    m_hint->setVisible(p.Hint);
    m_work->setVisible(p.Work);
    m_stepOne->setVisible(p.StepOne);
    m_stepTwo->setVisible(p.StepTwo);
}

// ---- ListTab

ListTab::ListTab(int tabIndex, const QString& prefix, int extras, QWidget* parent)
    : TabPage(tabIndex, parent), m_prefix(prefix), m_list(new QListWidget(WorkPanel()))
{
    m_list->setObjectName(QStringLiteral("Lst") + prefix);
    WorkLayout()->addWidget(m_list, 1);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    grid->addWidget(AddButton(QStringLiteral("Add"), 262), 0, 0);
    grid->addWidget(AddButton(QStringLiteral("Edit"), 263), 0, 1);
    grid->addWidget(AddButton(QStringLiteral("Remove"), 264), 1, 0);
    grid->addWidget(AddButton(QStringLiteral("Clear"), 265), 1, 1);
    grid->addWidget(AddButton(QStringLiteral("Up"), 256), 2, 0, 1, 2);
    grid->addWidget(AddButton(QStringLiteral("Down"), 257), 3, 0, 1, 2);
    grid->addWidget(AddButton(QStringLiteral("Sort0"), 284), 4, 0);
    grid->addWidget(AddButton(QStringLiteral("Sort1"), 285), 4, 1);
    int row = 5;
    if (extras & PictureButton) grid->addWidget(AddButton(QStringLiteral("ShowPic"), 253), row++, 0, 1, 2);
    if (extras & UpdateButton) grid->addWidget(AddButton(QStringLiteral("Update"), 266), row++, 0, 1, 2);
    WorkLayout()->addLayout(grid);

    // A double-click whose first click toggled a check box toggles it back.
    static QElapsedTimer lastToggle;
    static int lastToggledRow = -1;
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (m_filling) return;
        lastToggle.start();
        lastToggledRow = m_list->row(item);
        emit LineChecked(lastToggledRow, item->checkState() == Qt::Checked);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row < 0 || !m_editing) return;
        if (row == lastToggledRow && lastToggle.isValid() &&
            lastToggle.elapsed() <= QApplication::doubleClickInterval()) {
            lastToggledRow = -1;
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        emit LineDoubleClicked(row);
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling) emit LineClicked(row);
    });
}

QPushButton* ListTab::AddButton(const QString& name, int text)
{
    auto* b = new QPushButton(Str(text), WorkPanel());
    const QString id = QStringLiteral("Cmd") + m_prefix + name;
    b->setObjectName(id);
    b->setProperty("key", name);
    connect(b, &QPushButton::clicked, this, [this, name] { emit ButtonClicked(name); });
    m_buttons.append(b);
    return b;
}

QPushButton* ListTab::Button(const QString& name) const
{
    for (QPushButton* b : m_buttons)
        if (b->property("key").toString() == name) return b;
    return nullptr;
}

int ListTab::SelectedLine() const
{
    return m_list->currentRow();
}

int ListTab::LineCount() const
{
    return m_list->count();
}

void ListTab::Refill(int line)
{
    m_filling = true;
    m_lines = Lines ? Lines() : QList<ListLine>();
    m_list->clear();
    for (const ListLine& l : m_lines) {
        auto* item = new QListWidgetItem(l.Text, m_list);
        if (l.Checkable) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(l.Checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_list->setCurrentRow(LineToSelect(line, int(m_lines.size())));
    m_filling = false;
}

void ListTab::ApplyStates(bool editing, bool daySelected, bool printerInstalled)
{
    TabPage::ApplyStates(editing, daySelected, printerInstalled);
    m_editing = editing;
    const int selected = SelectedLine();
    const bool picture = selected >= 0 && selected < m_lines.size() && m_lines[selected].HasPicture;
    const ListButtonStates s = ListButtons(selected, LineCount(), picture);
    const auto set = [this](const char* name, bool on) {
        if (QPushButton* b = Button(QLatin1String(name))) b->setEnabled(on);
    };
    set("Edit", s.Edit);
    set("Remove", s.Remove);
    set("Clear", s.RemoveAll);
    set("Sort0", s.Sort);
    set("Sort1", s.Sort);
    set("Up", s.Up);
    set("Down", s.Down);
    set("Update", s.UpdateCalendar);
    set("ShowPic", s.ShowPicture);
}

// ---- EventsTab

EventsTab::EventsTab(QWidget* parent)
    : ListTab(TabEvents, QStringLiteral("EV"), PictureButton, parent), m_date(new QLineEdit(this))
{
    auto* dateRow = new QHBoxLayout;
    auto* caption = new QLabel(Str(252), this);
    caption->setObjectName(QStringLiteral("LblEVSelDate"));
    m_date->setObjectName(QStringLiteral("TxtEVSelDate"));
    m_date->setReadOnly(true);
    dateRow->addWidget(caption);
    dateRow->addWidget(m_date, 1);
    TopLayout()->insertLayout(0, dateRow);

    auto* totals = new QGridLayout;
    const auto addTotal = [&](int row, int text, const QString& name) {
        totals->addWidget(new QLabel(Str(text), WorkPanel()), row, 0);
        auto* value = new QLabel(QStringLiteral("0$"), WorkPanel());
        value->setObjectName(name);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(value, row, 1);
        return value;
    };
    m_in = addTotal(0, 258, QStringLiteral("LblEVInTot"));
    m_out = addTotal(1, 259, QStringLiteral("LblEVOutTot"));
    m_total = addTotal(2, 260, QStringLiteral("LblEVTot"));
    m_balance = new QLabel(WorkPanel());
    m_balance->setObjectName(QStringLiteral("LblEVBal"));
    m_balance->hide();
    totals->addWidget(m_balance, 3, 0, 1, 2);
    WorkLayout()->insertLayout(1, totals);

    Button(QStringLiteral("Add"))->setEnabled(false);
}

void EventsTab::SetTotals(qint32 incomes, qint32 expenses, qint32 total)
{
    m_in->setText(QString::number(incomes) + u'$');
    m_out->setText(QString::number(expenses) + u'$');
    m_total->setText(QString::number(total) + u'$');
}

// ---- CommandsTab

CommandsTab::CommandsTab(QWidget* parent) : TabPage(TabCommands, parent)
{
    struct Item { const char* name; int text; const char* image; };
    const auto frame = [this](int title, std::initializer_list<Item> items) {
        auto* box = new QGroupBox(Str(title), WorkPanel());
        auto* grid = new QGridLayout(box);
        int row = 0;
        for (const Item& it : items) {
            auto* b = new QPushButton(Str(it.text), box);
            b->setObjectName(QLatin1String(it.name));
            const QString name = b->objectName();
            connect(b, &QPushButton::clicked, this, [this, name] { emit CommandClicked(name); });
            m_buttons.append(b);
            if (it.image) {
                auto* img = new QLabel(box);
                img->setObjectName(QLatin1String(it.image));
                img->setPixmap(ToolbarIcon(QLatin1String(it.image).mid(5)).pixmap(24, 24));
                img->setProperty("key", QLatin1String(it.image).mid(5));
                m_images.append(img);
                grid->addWidget(img, row, 0);
            }
            grid->addWidget(b, row++, 1);
        }
        WorkLayout()->addWidget(box);
    };
    frame(235, {{"CmdCONew", 238, nullptr}, {"CmdCOOpen", 239, nullptr}, {"CmdCOSave", 240, "ImgCOSave"},
                {"CmdCOSaveAs", 241, nullptr}});
    frame(237, {{"CmdCOPreview", 242, "ImgCOPreview"}, {"CmdCOPrint", 243, "ImgCOPrint"}});
    frame(236, {{"CmdCOOptions", 244, nullptr}, {"CmdCOAbout", 245, nullptr}, {"CmdCOExit", 246, nullptr}});
    WorkLayout()->addStretch();
}

QPushButton* CommandsTab::Button(const QString& name) const
{
    for (QPushButton* b : m_buttons)
        if (b->objectName() == name) return b;
    return nullptr;
}

void CommandsTab::ApplyStates(bool editing, bool daySelected, bool printerInstalled)
{
    TabPage::ApplyStates(editing, daySelected, printerInstalled);
    HintPanel()->hide();
    WorkPanel()->show();
    Button(QStringLiteral("CmdCOSave"))->setEnabled(editing);
    Button(QStringLiteral("CmdCOSaveAs"))->setEnabled(editing);
    Button(QStringLiteral("CmdCOPreview"))->setEnabled(editing && printerInstalled);
    Button(QStringLiteral("CmdCOPrint"))->setEnabled(editing && printerInstalled);
    for (QLabel* img : m_images) {
        const bool on = img->objectName() == u"ImgCOSave" ? editing : editing && printerInstalled;
        img->setPixmap(ToolbarIcon(img->property("key").toString()).pixmap(24, 24, on ? QIcon::Normal : QIcon::Disabled));
    }
}

// ---- SummaryTab

SummaryTab::SummaryTab(QWidget* parent) : TabPage(TabSummary, parent), m_chart(new QPushButton(Str(273), HintPanel()))
{
    m_chart->setObjectName(QStringLiteral("CmdSUChart"));
    HintLayout()->insertWidget(2, m_chart);
    for (int text : {270, 271, 272}) WorkLayout()->addWidget(new QLabel(Str(text), WorkPanel()));
    WorkLayout()->addStretch();
}

void SummaryTab::ApplyStates(bool editing, bool daySelected, bool printerInstalled)
{
    TabPage::ApplyStates(editing, daySelected, printerInstalled);
    m_chart->setEnabled(TabPanels(TabSummary, editing, daySelected).StepTwo);
}
