#include "dialogkit/MonthGridAccessible.h"

#include "dialogkit/MonthGrid.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace {

constexpr int kColumns = 7;
constexpr int kRows = kCellCount / kColumns;

class GridCellAccessible : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface
{
public:
    GridCellAccessible(MonthGrid* grid, int cell) : m_grid(grid), m_cell(cell) {}

    bool isValid() const override { return m_grid; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override
    {
        return m_grid && t == QAccessible::Name ? m_grid->CellName(m_cell) : QString();
    }

    QRect rect() const override
    {
        if (!m_grid) return QRect();
        const QRect r = m_grid->ToPixels(MonthLayout::DayLabel(m_cell));
        return QRect(m_grid->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_grid) return s;
        s.invisible = !m_grid->isVisible();
        s.focusable = s.selectable = !m_grid->Cell(m_cell).Day.isEmpty();
        s.selected = isSelected();
        s.focused = s.selected && m_grid->hasFocus();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return m_grid && m_grid->CurrentCell() == m_cell; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return (m_cell - kFirstCell) % kColumns; }
    int rowIndex() const override { return (m_cell - kFirstCell) / kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Pressing a cell is a click on its day: it selects the day as a click does.
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (!m_grid || !actionNames().contains(name)) return;
        emit m_grid->CellReleased(m_cell, -1, Qt::LeftButton, rect().center());
    }

private:
    QPointer<MonthGrid> m_grid;
    int m_cell;
};

class MonthGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit MonthGridAccessible(MonthGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    ~MonthGridAccessible() override
    {
        for (QAccessible::Id id : m_cells)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    MonthGrid* Grid() const { return static_cast<MonthGrid*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return kCellCount; }

    // Cells are made when first asked for and kept, so that a reader sees the same object twice.
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= kCellCount) return nullptr;
        QAccessible::Id& id = m_cells[size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new GridCellAccessible(Grid(), index + kFirstCell));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < kCellCount; ++i)
            if (m_cells[size_t(i)] && QAccessible::accessibleInterface(m_cells[size_t(i)]) == child) return i;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const MonthLayout::Hit hit =
            MonthLayout::HitTest(Grid()->ToTwips(Grid()->mapFromGlobal(QPoint(x, y))));
        return hit.Cell ? child(hit.Cell - kFirstCell) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return Grid()->hasFocus() && Grid()->CurrentCell() ? child(Grid()->CurrentCell() - kFirstCell)
                                                           : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < kRows && column >= 0 && column < kColumns ? child(row * kColumns + column)
                                                                           : nullptr;
    }
    int selectedCellCount() const override { return Grid()->CurrentCell() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        if (!Grid()->CurrentCell()) return {};
        return {child(Grid()->CurrentCell() - kFirstCell)};
    }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < kColumns ? Grid()->Headings[size_t(column)] : QString();
    }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Days are chosen one at a time, by the keyboard or a cell's press action.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, kCellCount> m_cells{};
};

} // namespace

QAccessibleInterface* MonthGridAccessibleFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("MonthGrid")) return nullptr;
    auto* grid = qobject_cast<MonthGrid*>(object);
    return grid ? new MonthGridAccessible(grid) : nullptr;
}
