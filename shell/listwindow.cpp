#include "shell/listwindow.h"

#include "library/loader.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "shell/icons.h"
#include "shell/mainwindow.h"
#include "shell/modeltext.h"
#include "shell/songwindow.h"

#include <QCloseEvent>
#include <QCollator>
#include <QKeyEvent>
#include <QMdiArea>
#include <QToolTip>
#include <QTreeWidget>

namespace {

enum TNodeImage { ClosedFolder, OpenFolder, Page };

// Node texts compare as the user's language sorts them, letter case
// included (in Hungarian Cs comes after C); equal texts keep a fixed order.
class TNode : public QTreeWidgetItem {
public:
    TNode(const QString& text, const void* data) : QTreeWidgetItem(QStringList{text}), m_data(data) {}

    const void* Data() const { return m_data; }

    bool operator<(const QTreeWidgetItem& other) const override {
        static const QCollator collator = [] {
            // The C locale would sort by code, Ő after Z: a Hungarian library then sorts as Hungarian.
            const QLocale user;
            QCollator made(user.language() == QLocale::C ? QLocale(QLocale::Hungarian, QLocale::Hungary) : user);
            made.setCaseSensitivity(Qt::CaseSensitive);
            return made;
        }();
        const int order = collator.compare(text(0), other.text(0));
        if (order != 0)
            return order < 0;
        return text(0) != other.text(0) ? text(0) < other.text(0) : m_data < static_cast<const TNode&>(other).m_data;
    }

private:
    const void* m_data;
};

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
    setWidget(SongList);
    MainWindow->AddListWindow(this);
    RunReportingErrors([this] { FormCreate(); });
}

void TListWindow::FormCreate() {
    const QSize client = MainWindow->WorkspaceSize();
    setGeometry(0, 0, (client.width() - 4) / 4, client.height() - 4);
    QList<QTreeWidgetItem*> nodes;
    for (const TArtist* artist = Artists.get(); artist; artist = artist->Next.get()) {
        auto* node = new TNode(FromAnsi(artist->ArtistName), artist);
        node->setIcon(0, NodeImage(ClosedFolder));
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        nodes.append(node);
    }
    SongList->addTopLevelItems(nodes);
    SongList->setSortingEnabled(true);
    SongList->sortItems(0, Qt::AscendingOrder);
}

// Songs become nodes the first time their artist opens.
void TListWindow::ExpendingNode(QTreeWidgetItem* node) {
    if (node->childCount() == 0) {
        const TArtist* artist = ArtistOf(node);
        QList<QTreeWidgetItem*> songs;
        for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get()) {
            auto* songNode = new TNode(FromAnsi(song->Title), song);
            songNode->setIcon(0, NodeImage(Page));
            songNode->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
            songs.append(songNode);
        }
        node->addChildren(songs);
    }
    node->sortChildren(0, Qt::AscendingOrder);
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
