#include "dialogkit/BrowseLists.h"

#include "dialogkit/BrowseRules.h"

#include <QDir>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

namespace {

bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

constexpr QDir::SortFlags kByName = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit DriveChosen(itemData(index).toString()); });
}

int DriveList::AddVolume(const QString& root, const QString& name)
{
    const int existing = findData(root);
    if (existing >= 0) return existing;
    const QString text = name.isEmpty() || name == root ? root : root + QStringLiteral("  [") + name + u']';
    int at = 0;
    while (at < count() && itemData(at).toString() < root) ++at;
    insertItem(at, style()->standardIcon(QStyle::SP_DriveHDIcon), text, root);
    return at;
}

void DriveList::Reload()
{
    const QSignalBlocker quiet(this);
    const QString selected = Drive();
    clear();
    AddVolume(QStringLiteral("/"), {});
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) AddVolume(volume.rootPath(), volume.name());
    if (!selected.isEmpty()) setCurrentIndex(AddVolume(selected, {}));
}

void DriveList::SetDriveOf(const QString& folder)
{
    const QSignalBlocker quiet(this);
    const QStorageInfo volume(folder);
    // Volumes the system hides from the list (a container's root) are added when a folder is on them.
    const QString root = volume.isValid() ? volume.rootPath() : QStringLiteral("/");
    setCurrentIndex(AddVolume(root, volume.isValid() ? volume.name() : QString()));
}

QString DriveList::Drive() const
{
    return currentData().toString();
}

void DriveList::showPopup()
{
    Reload();
    QComboBox::showPopup();
}

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setStyleSheet(QStringLiteral("QTreeView::branch { image: none; }")); // nothing to fold here
    setIndentation(12);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString folder = item->data(0, Qt::UserRole).toString();
        if (folder != m_path) emit FolderChosen(folder);
    });
}

void FolderList::SetPath(const QString& folder)
{
    m_path = CleanFolder(folder);
    clear();

    QStringList chain;
    QDir up(m_path);
    do {
        chain.prepend(up.absolutePath());
    } while (up.cdUp());

    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
        auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(this, {name});
        item->setIcon(0, open);
        item->setData(0, Qt::UserRole, path);
        parent = item;
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir here(m_path);
    for (const QFileInfo& sub : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, kByName)) {
        auto* item = new QTreeWidgetItem(parent, {sub.fileName()});
        item->setIcon(0, closed);
        item->setData(0, Qt::UserRole, sub.absoluteFilePath());
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent);
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    // Enter opens the folder here rather than pressing the dialog's default button.
    if (IsEnter(event) && currentItem()) {
        emit itemActivated(currentItem(), 0);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit FileActivated(); });
}

void FileList::SetPath(const QString& folder)
{
    m_path = CleanFolder(folder);
    Reread();
}

void FileList::SetPattern(const QString& pattern)
{
    m_pattern = pattern;
    Reread();
}

void FileList::Reread()
{
    const QSignalBlocker quiet(this);
    clear();
    if (m_path.isEmpty()) return;
    // Name filters match without regard to case: "IMG_0001.JPG" is a JPEG picture too.
    addItems(QDir(m_path).entryList(PatternFilters(m_pattern), QDir::Files, kByName));
}

QString FileList::FileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileList::SelectFirst()
{
    if (count() > 0) setCurrentRow(0);
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event) && !FileName().isEmpty()) {
        emit FileActivated();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
