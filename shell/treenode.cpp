#include "shell/treenode.h"

#include "library/artist.h"
#include "qtbridge/nameorder.h"
#include "shell/icons.h"

namespace {

const QIcon& NodeIcon(TNodeImage image) {
    static const QIcon images[] = {RoleIcon("folder", "folder"), RoleIcon("folder-open", "folderopen"),
                                   RoleIcon("text-x-generic", "page")};
    return images[image];
}

std::string_view NameOf(const TArtist& artist) {
    return artist.ArtistName;
}
std::string_view NameOf(const TSong& song) {
    return song.Title;
}

template <class TItem> QList<QTreeWidgetItem*> InOrder(const std::vector<const TItem*>& items, TNameOrder sorted) {
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(items.size()));
    for (const std::size_t index : sorted.Order)
        nodes.append(new TNode(std::move(sorted.Texts[index]), *items[index]));
    return nodes;
}

template <class TItem> TNameOrder OrderOf(const std::vector<const TItem*>& items) {
    std::vector<std::string_view> names;
    names.reserve(items.size());
    for (const TItem* item : items)
        names.push_back(NameOf(*item));
    return SortNames(names);
}

template <class TItem> QList<QTreeWidgetItem*> Sorted(const std::vector<const TItem*>& items) {
    return InOrder(items, OrderOf(items));
}

} // namespace

TNode::TNode(QString text, const TArtist& artist) : m_text(std::move(text)), m_data(&artist), m_image(ClosedFolder) {
    setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

TNode::TNode(QString text, const TSong& song) : m_text(std::move(text)), m_data(&song), m_image(Page) {}

const TArtist* TNode::ArtistOf(const QTreeWidgetItem* node) {
    return node && node->childIndicatorPolicy() == ShowIndicator
               ? static_cast<const TArtist*>(static_cast<const TNode*>(node)->m_data)
               : nullptr;
}

const TSong* TNode::SongOf(const QTreeWidgetItem* node) {
    return node && node->childIndicatorPolicy() != ShowIndicator
               ? static_cast<const TSong*>(static_cast<const TNode*>(node)->m_data)
               : nullptr;
}

void TNode::ShowImage(TNodeImage image) {
    m_image = image;
    emitDataChanged();
}

QVariant TNode::data(int column, int role) const {
    if (column == 0 && role == Qt::DisplayRole)
        return m_text;
    if (column == 0 && role == Qt::DecorationRole)
        return NodeIcon(m_image);
    return QTreeWidgetItem::data(column, role);
}

QList<QTreeWidgetItem*> SortedNodes(const std::vector<const TArtist*>& artists) {
    return Sorted(artists);
}

QList<QTreeWidgetItem*> SortedNodes(const std::vector<const TSong*>& songs) {
    return Sorted(songs);
}

TNameOrder SongOrder(const std::vector<const TSong*>& songs) {
    return OrderOf(songs);
}

QList<QTreeWidgetItem*> SongNodesInOrder(const std::vector<const TSong*>& songs, TNameOrder order) {
    return InOrder(songs, std::move(order));
}
