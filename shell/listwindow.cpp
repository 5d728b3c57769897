#include "shell/listwindow.h"

#include "library/loader.h"
#include "print/qtcolor.h"
#include "print/qttext.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "shell/icons.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"

#include <QCloseEvent>
#include <QCollator>
#include <QKeyEvent>
#include <QMdiArea>
#include <QToolTip>
#include <QTreeWidget>
#include <numeric>
#include <vector>

namespace {

enum TNodeImage { ClosedFolder, OpenFolder, Page };

// A node carries its artist or its song.
class TNode : public QTreeWidgetItem {
public:
    TNode(const QString& text, const void* data) : QTreeWidgetItem(QStringList{text}), m_data(data) {}

    const void* Data() const { return m_data; }

private:
    const void* m_data;
};

// Texts sort as the user's language sorts them, letter case included (in
// Hungarian Cs comes after C); with the C locale, which would sort by code
// (Ő after Z), as Hungarian.
const QCollator& NodeCollator() {
    static const QCollator collator = [] {
        const QLocale user;
        QCollator made(user.language() == QLocale::C ? QLocale(QLocale::Hungarian, QLocale::Hungary) : user);
        made.setCaseSensitivity(Qt::CaseSensitive);
        return made;
    }();
    return collator;
}

struct TNodeEntry {
    QString Text;
    const void* Data;
};

// Sorted once with collation keys: a comparator that made the keys for each
// comparison took seconds for an artist of a hundred thousand songs. Equal
// texts keep the library's order.
QList<QTreeWidgetItem*> SortedNodes(std::vector<TNodeEntry> entries, const QIcon& image, bool artists) {
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries.size());
    for (const TNodeEntry& entry : entries)
        keys.push_back(NodeCollator().sortKey(entry.Text));
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = keys[a].compare(keys[b]);
        return compared != 0 ? compared < 0 : entries[a].Text < entries[b].Text;
    });
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(entries.size()));
    for (std::size_t index : order) {
        auto* node = new TNode(entries[index].Text, entries[index].Data);
        node->setIcon(0, image);
        node->setChildIndicatorPolicy(artists ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicator);
        nodes.append(node);
    }
    return nodes;
}

const QIcon& NodeImage(TNodeImage image) {
    static const QIcon images[] = {RoleIcon("folder", "folder"), RoleIcon("folder-open", "folderopen"),
                                   RoleIcon("text-x-generic", "page")};
    return images[image];
}

bool IsSongNode(const QTreeWidgetItem* node) {
    return node && node->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator;
}

} // namespace

TListWindow::TListWindow(QWidget* owner) : QMdiSubWindow(owner), SongList(new QTreeWidget(this)) {
    setObjectName("ListWindow");
    setWindowTitle("Előadók");
    setWindowIcon(WindowIcon());
    SongList->setObjectName("SongList");
    SongList->setHeaderHidden(true);
    SongList->setIndentation(19);
    SongList->setRootIsDecorated(true);
    SongList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SongList->setMouseTracking(true); // hot tracking
    SongList->setUniformRowHeights(true);
    QPalette palette = SongList->palette(); // the selection shows only while the tree has the focus
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::Text));
    SongList->setPalette(palette);
    SongList->installEventFilter(this);
    SongList->viewport()->installEventFilter(this);
    connect(SongList, &QTreeWidget::itemExpanded, this, Reporting([this](QTreeWidgetItem* node) {
                ExpendingNode(node);
                ExpandNode(node);
            }));
    connect(SongList, &QTreeWidget::itemCollapsed, this,
            Reporting([this](QTreeWidgetItem* node) { CollapseNode(node); }));
    connect(SongList, &QTreeWidget::itemDoubleClicked, this, Reporting([this] { OpenSelectedSong(); }));
    // The row with the focus frame is the selected one: commands act on what the user sees.
    connect(SongList, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* current) {
        if (current && !current->isSelected())
            current->setSelected(true);
    });
    connect(SongList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* current = SongList->currentItem(); current && SongList->selectedItems().isEmpty())
            current->setSelected(true);
    });
    setWidget(SongList);
    MainWindow->AddListWindow(this);
    RunReportingErrors([this] { FormCreate(); });
}

// The artists go in sorted; the first is the current and selected node, so
// that the first command after start acts on it.
void TListWindow::FormCreate() {
    const QSize client = MainWindow->WorkspaceSize();
    setGeometry(0, 0, (client.width() - 4) / 4, client.height() - 4);
    std::vector<TNodeEntry> entries;
    for (const TArtist* artist = Artists.get(); artist; artist = artist->Next.get())
        entries.push_back({FromAnsi(artist->ArtistName), artist});
    SongList->addTopLevelItems(SortedNodes(std::move(entries), NodeImage(ClosedFolder), true));
    if (SongList->topLevelItemCount() > 0)
        SongList->setCurrentItem(SongList->topLevelItem(0));
}

// Songs become nodes, sorted, the first time their artist opens; later
// openings find them in order already.
void TListWindow::ExpendingNode(QTreeWidgetItem* node) {
    if (node->childCount() > 0)
        return;
    std::vector<TNodeEntry> entries;
    for (const TSong* song = ArtistOf(node)->FirstSong.get(); song; song = song->Next.get())
        entries.push_back({FromAnsi(song->Title), song});
    node->addChildren(SortedNodes(std::move(entries), NodeImage(Page), false));
}

void TListWindow::ExpandNode(QTreeWidgetItem* node) {
    node->setIcon(0, NodeImage(OpenFolder));
}

void TListWindow::CollapseNode(QTreeWidgetItem* node) {
    node->setIcon(0, NodeImage(ClosedFolder));
}

const TArtist* TListWindow::ArtistOf(const QTreeWidgetItem* node) {
    return node && !IsSongNode(node) ? static_cast<const TArtist*>(static_cast<const TNode*>(node)->Data()) : nullptr;
}

const TSong* TListWindow::SongOf(const QTreeWidgetItem* node) {
    return IsSongNode(node) ? static_cast<const TSong*>(static_cast<const TNode*>(node)->Data()) : nullptr;
}

void TListWindow::OpenSelectedSong() {
    QTreeWidgetItem* selected = SongList->currentItem();
    if (!IsSongNode(selected) || !selected->isSelected())
        return;
    new TSongWindow(MainWindow, *SongOf(selected));
}

// A node whose text the window's edge cuts off shows it whole in a tool tip.
bool TListWindow::ShowCutOffText(QHelpEvent* event) {
    const QTreeWidgetItem* node = SongList->itemAt(event->pos());
    const QRect row = node ? SongList->visualItemRect(node) : QRect();
    const int textRight = row.left() + SongList->iconSize().width() + 8 +
                          SongList->fontMetrics().horizontalAdvance(node ? node->text(0) : QString());
    if (node && textRight > SongList->viewport()->width())
        QToolTip::showText(event->globalPos(), node->text(0), SongList->viewport(), row);
    else
        QToolTip::hideText();
    return true;
}

bool TListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SongList->viewport() && event->type() == QEvent::ToolTip)
        return ShowCutOffText(static_cast<QHelpEvent*>(event));
    if (watched == SongList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            RunReportingErrors([this] { OpenSelectedSong(); }); // and the tree handles the key as ever
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void TListWindow::closeEvent(QCloseEvent* event) {
    if (Quitting)
        QMdiSubWindow::closeEvent(event);
    else
        event->ignore();
}
