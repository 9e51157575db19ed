#include "views/TabPage.h"

#include "resources/Strings.h"
#include "views/CommandRules.h"
#include "views/Icons.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* StepLabel(int text, const QString& name, QWidget* parent)
{
    auto* l = new QLabel(Str(text), parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

// ---- TabPage

TabPage::TabPage(int tabIndex, QWidget* parent)
    : QWidget(parent), m_tabIndex(tabIndex), m_top(new QVBoxLayout(this)), m_hint(new QFrame(this)),
      m_work(new QWidget(this)), m_help(new QToolButton(this))
{
    setObjectName(QStringLiteral("PicTab%1").arg(5 - tabIndex));
    m_top->setContentsMargins(6, 6, 6, 4);
    m_top->setSpacing(6);

    auto* hintFrame = static_cast<QFrame*>(m_hint);
    hintFrame->setFrameShape(QFrame::StyledPanel);
    auto* hint = new QVBoxLayout(m_hint);
    m_stepOne = StepLabel(250, QStringLiteral("LblStepOne"), m_hint);
    m_stepTwo = StepLabel(251, QStringLiteral("LblStepTwo"), m_hint);
    hint->addWidget(m_stepOne);
    hint->addWidget(m_stepTwo);
    hint->addStretch();
    auto* work = new QVBoxLayout(m_work);
    work->setContentsMargins(0, 0, 0, 0);
    m_top->addWidget(m_hint, 1);
    m_top->addWidget(m_work, 1);

    m_help->setObjectName(QStringLiteral("CmdHelp"));
    m_help->setIcon(ToolbarIcon(QStringLiteral("Help")));
    m_help->setIconSize(QSize(20, 20));
    m_help->setToolTip(Str(223));
    m_help->setAutoRaise(true);
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(m_help);
    m_top->addLayout(helpRow);
}

QVBoxLayout* TabPage::HintLayout() const
{
    return static_cast<QVBoxLayout*>(m_hint->layout());
}

QVBoxLayout* TabPage::WorkLayout() const
{
    return static_cast<QVBoxLayout*>(m_work->layout());
}

QString TabPage::HelpPage() const
{
    return TabHelpPage(m_tabIndex, m_editing, m_daySelected);
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
    m_list->setUniformItemSizes(true);
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

    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_filling) emit LineChecked(m_list->row(item), item->checkState() == Qt::Checked);
    });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit LineClicked(m_list->row(item)); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int line = m_list->row(item);
        // The first click of a double-click on the check box changed the mark: put it back.
        if (line == m_pressedLine && (item->flags() & Qt::ItemIsUserCheckable) &&
            item->checkState() != m_pressedCheck)
            item->setCheckState(m_pressedCheck);
        emit LineDoubleClicked(line);
    });
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        if (!m_filling) emit SelectionChanged();
    });
}

bool ListTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QListWidgetItem* item = m_list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        m_pressedLine = item ? m_list->row(item) : -1;
        m_pressedCheck = item ? item->checkState() : Qt::Unchecked;
        // A press on a check box selects its line too, as a press anywhere else on it does.
        if (item) m_list->setCurrentRow(m_pressedLine);
    }
    return TabPage::eventFilter(watched, event);
}

QPushButton* ListTab::AddButton(const QString& name, int text)
{
    auto* b = new QPushButton(Str(text), WorkPanel());
    b->setObjectName(QStringLiteral("Cmd") + m_prefix + name);
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

void ListTab::SelectLine(int line)
{
    m_list->setCurrentRow(line >= 0 && line < m_list->count() ? line : -1);
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
