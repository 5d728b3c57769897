#include "shell/listwindow.h"

#include "library/loader.h"
#include "print/qtcolor.h"
#include "print/qttext.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "shell/icons.h"

#include <QCloseEvent>
#include <QCollator>
#include <QKeyEvent>
#include <QMdiArea>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

namespace {

enum TNodeImage { ClosedFolder, OpenFolder, Page };

const QIcon& NodeIcon(TNodeImage image) {
    static const QIcon images[] = {RoleIcon("folder", "folder"), RoleIcon("folder-open", "folderopen"),
                                   RoleIcon("text-x-generic", "page")};
    return images[image];
}

// A node carries its artist or its song, and answers for its text and image
// itself: an artist of a hundred thousand songs makes as many nodes, and
// storing each one's text and image in the item's own tables took most of
// the time of opening it.
class TNode : public QTreeWidgetItem {
public:
    TNode(QString text, const void* data, TNodeImage image) : m_text(std::move(text)), m_data(data), m_image(image) {}

    const void* Data() const { return m_data; }

    void ShowImage(TNodeImage image) {
        m_image = image;
        emitDataChanged();
    }

    QVariant data(int column, int role) const override {
        if (column == 0 && role == Qt::DisplayRole)
            return m_text;
        if (column == 0 && role == Qt::DecorationRole)
            return NodeIcon(m_image);
        return QTreeWidgetItem::data(column, role);
    }

private:
    QString m_text;
    const void* m_data;
    TNodeImage m_image;
};

// Texts sort as the user's language sorts them, letter case included (in
// Hungarian Cs comes after C); with the C locale, which would sort by code
// (Ő after Z), as Hungarian. Each thread makes its own: a collator is not to
// be shared between threads.
QCollator NodeCollator() {
    const QLocale user;
    QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::Hungarian, QLocale::Hungary) : user);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    return collator;
}

struct TNodeEntry {
    std::string_view Name; // the model's text
    const void* Data;
    QString Text = {};                        // shown, and
    std::optional<QCollatorSortKey> Key = {}; // sorted by: both made with the others, in parallel
};

bool SortsBefore(const TNodeEntry& a, const TNodeEntry& b) {
    const int compared = a.Key->compare(*b.Key);
    return compared != 0 ? compared < 0 : a.Text < b.Text;
}

// Made ready and sorted once: each core makes the texts and collation keys
// of its share of the entries and sorts it, and the shares are merged. A
// comparator that made the keys for each comparison took seconds for an
// artist of a hundred thousand songs. Equal texts keep the library's order.
void Sort(std::vector<TNodeEntry>& entries) {
    const std::size_t threads = entries.size() < 1000 ? 1 : std::max(1u, std::thread::hardware_concurrency());
    const std::size_t share = (entries.size() + threads - 1) / threads;
    {
        std::vector<std::jthread> workers;
        for (std::size_t start = 0; start < entries.size(); start += share) {
            workers.emplace_back([&entries, start, end = std::min(entries.size(), start + share)] {
                const QCollator collator = NodeCollator();
                for (std::size_t index = start; index < end; ++index) {
                    entries[index].Text = FromAnsi(entries[index].Name);
                    entries[index].Key.emplace(collator.sortKey(entries[index].Text));
                }
                std::stable_sort(entries.begin() + static_cast<std::ptrdiff_t>(start),
                                 entries.begin() + static_cast<std::ptrdiff_t>(end), SortsBefore);
            });
        }
    }
    for (std::size_t middle = share; middle < entries.size(); middle += share)
        std::inplace_merge(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(middle),
                           entries.begin() + static_cast<std::ptrdiff_t>(std::min(entries.size(), middle + share)),
                           SortsBefore);
}

QList<QTreeWidgetItem*> SortedNodes(std::vector<TNodeEntry> entries, TNodeImage image, bool artists) {
    Sort(entries);
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(entries.size()));
    for (TNodeEntry& entry : entries) {
        auto* node = new TNode(std::move(entry.Text), entry.Data, image);
        if (artists) // songs keep the default: no expand button
            node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        nodes.append(node);
    }
    return nodes;
}

bool IsSongNode(const QTreeWidgetItem* node) {
    return node && node->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator;
}

} // namespace

TListWindow::TListWindow(QSize workspace) : SongList(new QTreeWidget(this)) {
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
    RunReportingErrors([this, workspace] { FormCreate(workspace); });
}

// The artists go in sorted; the first is the current and selected node, so
// that the first command after start acts on it.
void TListWindow::FormCreate(QSize workspace) {
    setGeometry(0, 0, (workspace.width() - 4) / 4, workspace.height() - 4);
    std::vector<TNodeEntry> entries;
    for (const TArtist* artist = Artists.get(); artist; artist = artist->Next.get())
        entries.push_back({artist->ArtistName, artist});
    SongList->addTopLevelItems(SortedNodes(std::move(entries), ClosedFolder, true));
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
        entries.push_back({song->Title, song});
    node->addChildren(SortedNodes(std::move(entries), Page, false));
}

void TListWindow::ExpandNode(QTreeWidgetItem* node) {
    static_cast<TNode*>(node)->ShowImage(OpenFolder);
}

void TListWindow::CollapseNode(QTreeWidgetItem* node) {
    static_cast<TNode*>(node)->ShowImage(ClosedFolder);
}

const TArtist* TListWindow::ArtistOf(const QTreeWidgetItem* node) {
    return node && !IsSongNode(node) ? static_cast<const TArtist*>(static_cast<const TNode*>(node)->Data()) : nullptr;
}

const TSong* TListWindow::SongOf(const QTreeWidgetItem* node) {
    return IsSongNode(node) ? static_cast<const TSong*>(static_cast<const TNode*>(node)->Data()) : nullptr;
}

void TListWindow::OpenSelectedSong() {
    QTreeWidgetItem* selected = SongList->currentItem();
    if (IsSongNode(selected) && selected->isSelected())
        emit SongChosen(*SongOf(selected));
}

bool TListWindow::TreeHasFocus() const {
    return SongList->hasFocus();
}

const QTreeWidgetItem* TListWindow::FocusedSelection() const {
    const QTreeWidgetItem* node = SongList->currentItem();
    return TreeHasFocus() && node && node->isSelected() ? node : nullptr;
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
