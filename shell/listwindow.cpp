#include "shell/listwindow.h"

#include "library/artist.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "shell/icons.h"
#include "shell/librarysearch.h"
#include "shell/searchresults.h"
#include "shell/songpresort.h"
#include "shell/treenode.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <unordered_map>
#include <vector>

namespace {

// The search waits this long after a key for the next one: a word typed
// fast is searched once.
constexpr int SearchDelayMilliseconds = 60;

QTreeWidget* MakeTree(QTreeWidget* tree, const char* name) {
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setIndentation(19);
    tree->setRootIsDecorated(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setMouseTracking(true); // hot tracking
    tree->setUniformRowHeights(true);
    tree->setDragDropMode(QAbstractItemView::DragOnly);
    tree->setDefaultDropAction(Qt::CopyAction);
    QPalette palette = tree->palette(); // the selection shows only while the tree has the focus
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::Text));
    tree->setPalette(palette);
    return tree;
}

// The row of each name's first artist node, found in one pass; -1 for a name not there.
std::unordered_map<QString, int> FirstRows(const QTreeWidget& tree, const QStringList& names) {
    std::unordered_map<QString, int> rows;
    for (const QString& name : names)
        rows.emplace(name, -1);
    const QAbstractItemModel* nodes = tree.model();
    std::size_t missing = rows.size();
    for (int row = 0; row < nodes->rowCount() && missing > 0; ++row) {
        const auto found = rows.find(nodes->index(row, 0).data().toString());
        if (found != rows.end() && found->second < 0) {
            found->second = row;
            --missing;
        }
    }
    return rows;
}

} // namespace

TListWindow::TListWindow(QSize workspace, const TArtist* library, const TTreeState& state)
    : SongList(MakeTree(new QTreeWidget(this), "SongList")), SearchField(new QLineEdit(this)),
      m_results(new TSearchResults(this)), m_searchStatus(new QLabel(this)), m_trees(new QStackedWidget(this)) {
    setObjectName("ListWindow");
    setWindowTitle("Előadók");
    setWindowIcon(WindowIcon());
    MakeTree(m_results, "SearchResults");
    for (QTreeWidget* tree : {SongList, static_cast<QTreeWidget*>(m_results)}) {
        tree->installEventFilter(this);
        tree->viewport()->installEventFilter(this);
        connect(tree, &QTreeWidget::itemDoubleClicked, this, Reporting([this] { OpenSelectedSong(); }));
        KeepCurrentSelected(tree);
    }
    connect(SongList, &QTreeWidget::itemExpanded, this, Reporting([this](QTreeWidgetItem* node) {
                ExpendingNode(node);
                ExpandNode(node);
            }));
    connect(SongList, &QTreeWidget::itemCollapsed, this,
            Reporting([this](QTreeWidgetItem* node) { CollapseNode(node); }));
    CreateSearch();
    RunReportingErrors([&] { FormCreate(workspace, library, state); });
}

// The row with the focus frame is the selected one: commands act on what the user sees.
void TListWindow::KeepCurrentSelected(QTreeWidget* tree) {
    connect(tree, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* current) {
        if (current && !current->isSelected())
            current->setSelected(true);
    });
    connect(tree, &QTreeWidget::itemSelectionChanged, this, [tree] {
        if (QTreeWidgetItem* current = tree->currentItem(); current && tree->selectedItems().isEmpty())
            current->setSelected(true);
    });
}

// The field above the tree; while it holds text the search's results stand
// in the tree's place, which keeps its own state for when the field is cleared.
void TListWindow::CreateSearch() {
    SearchField->setObjectName("SearchField");
    SearchField->setPlaceholderText("Keresés: cím, előadó vagy dalszöveg");
    SearchField->setClearButtonEnabled(true);
    SearchField->installEventFilter(this);
    m_searchStatus->setObjectName("SearchStatus");
    m_searchStatus->hide();
    m_searchDelay.setSingleShot(true);
    m_searchDelay.setInterval(SearchDelayMilliseconds);
    connect(SearchField, &QLineEdit::textChanged, &m_searchDelay, qOverload<>(&QTimer::start));
    connect(&m_searchDelay, &QTimer::timeout, this, Reporting([this] { ShowSearch(SearchField->text()); }));
    m_trees->addWidget(SongList);
    m_trees->addWidget(m_results);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(SearchField);
    layout->addWidget(m_searchStatus);
    layout->addWidget(m_trees);
    setWidget(content);
}

void TListWindow::FormCreate(QSize workspace, const TArtist* library, const TTreeState& state) {
    setGeometry(0, 0, (workspace.width() - 4) / 4, workspace.height() - 4);
    ShowLibrary(library, state);
}

// The artists go in sorted; the first is the current and selected node, so
// that the first command after start acts on it, unless the state names
// other nodes that are there.
void TListWindow::ShowLibrary(const TArtist* library, const TTreeState& state) {
    std::vector<const TArtist*> artists;
    for (const TArtist* artist = library; artist; artist = artist->Next.get())
        artists.push_back(artist);
    SongList->addTopLevelItems(SortedNodes(artists));
    if (SongList->topLevelItemCount() > 0)
        SongList->setCurrentItem(SongList->topLevelItem(0));
    RestoreTreeState(state);
    m_presort = new TSongPresort(library, this);
    // The search index waits for the sorting: a user opens an artist sooner
    // than a search index of that size is built, and both want the cores.
    m_search = new TLibrarySearch(library, m_presort->Sorting(), this);
    connect(m_search, &TLibrarySearch::ReadyNow, this, Reporting([this] { ShowSearch(SearchField->text()); }));
}

// Nothing of the library stays: the trees' nodes and the search point into it.
TTreeState TListWindow::ForgetLibrary() {
    const TTreeState state = TreeState();
    delete m_search; // waits for an index still being built
    m_search = nullptr;
    delete m_presort;
    m_presort = nullptr;
    m_results->clear();
    SongList->clear();
    ShowSearch(SearchField->text());
    return state;
}

// The artists are read by their rows: a node asked for itself looks for its
// own row from the end, which made this quadratic in the number of artists.
TTreeState TListWindow::TreeState() const {
    TTreeState state;
    const QAbstractItemModel* nodes = SongList->model();
    for (int row = 0; row < nodes->rowCount(); ++row) {
        if (const QModelIndex artist = nodes->index(row, 0); SongList->isExpanded(artist))
            state.Expanded << artist.data().toString();
    }
    if (const QTreeWidgetItem* current = SongList->currentItem()) {
        state.SelectedArtist = (current->parent() ? current->parent() : current)->text(0);
        if (current->parent())
            state.SelectedSong = current->text(0);
    }
    return state;
}

// Artists named twice are told apart by nothing but their place: each
// name's first node stands for it.
void TListWindow::RestoreTreeState(const TTreeState& state) {
    QStringList names = state.Expanded;
    if (state.SelectedArtist)
        names << *state.SelectedArtist;
    const std::unordered_map<QString, int> rows = FirstRows(*SongList, names);
    for (const QString& name : state.Expanded) {
        if (const int row = rows.at(name); row >= 0)
            SongList->expand(SongList->model()->index(row, 0));
    }
    const int artist = state.SelectedArtist ? rows.at(*state.SelectedArtist) : -1;
    if (artist < 0)
        return;
    QTreeWidgetItem* selected = SongList->topLevelItem(artist);
    for (int index = 0; state.SelectedSong && index < selected->childCount(); ++index) {
        if (selected->child(index)->text(0) == *state.SelectedSong) {
            selected = selected->child(index);
            break;
        }
    }
    SongList->setCurrentItem(selected);
    SongList->scrollToItem(selected);
}

// Songs become nodes, sorted, the first time their artist opens; later
// openings find them in order already.
void TListWindow::ExpendingNode(QTreeWidgetItem* node) {
    if (node->childCount() > 0)
        return;
    const TArtist& artist = *ArtistOf(node);
    const std::vector<const TSong*> songs = SongsOf(artist);
    std::optional<TNameOrder> order = m_presort ? m_presort->Take(artist, songs.size()) : std::nullopt;
    node->addChildren(order ? SongNodesInOrder(songs, std::move(*order)) : SortedNodes(songs));
}

void TListWindow::ExpandNode(QTreeWidgetItem* node) {
    static_cast<TNode*>(node)->ShowImage(OpenFolder);
}

void TListWindow::CollapseNode(QTreeWidgetItem* node) {
    static_cast<TNode*>(node)->ShowImage(ClosedFolder);
}

const TArtist* TListWindow::ArtistOf(const QTreeWidgetItem* node) {
    return TNode::ArtistOf(node);
}

const TSong* TListWindow::SongOf(const QTreeWidgetItem* node) {
    return TNode::SongOf(node);
}

QTreeWidget* TListWindow::ShownTree() const {
    return static_cast<QTreeWidget*>(m_trees->currentWidget());
}

void TListWindow::OpenSelectedSong() {
    const QTreeWidgetItem* selected = ShownTree()->currentItem();
    if (const TSong* song = SongOf(selected); song && selected->isSelected())
        emit SongChosen(*song);
}

bool TListWindow::TreeHasFocus() const {
    return ShownTree()->hasFocus();
}

const QTreeWidgetItem* TListWindow::FocusedSelection() const {
    const QTreeWidgetItem* node = ShownTree()->currentItem();
    return TreeHasFocus() && node && node->isSelected() ? node : nullptr;
}

void TListWindow::FocusSearch() {
    SearchField->setFocus(Qt::ShortcutFocusReason);
    SearchField->selectAll();
}

// An empty field shows the artist tree as it was left; any text, what the
// search finds (once its index is ready). The stack hands the keyboard
// focus on to whichever tree it shows: Enter may have sent it to the tree
// before the index was ready.
void TListWindow::ShowSearch(const QString& text) {
    if (text.trimmed().isEmpty() || !m_search) {
        m_trees->setCurrentWidget(SongList);
        m_searchStatus->hide();
        return;
    }
    if (!m_search->Ready()) {
        m_searchStatus->setText("A keresés előkészítése...");
        m_searchStatus->show();
        return;
    }
    const std::size_t found = m_results->Show(m_search->Find(text));
    m_searchStatus->setText(found > TSearchResults::MostSongs
                                ? QString("%1 dal, az első %2 látszik").arg(found).arg(TSearchResults::MostSongs)
                                : QString("%1 dal").arg(found));
    m_searchStatus->show();
    m_trees->setCurrentWidget(m_results);
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

// Escape in the field gives the tree back as it was; Enter goes to what was found.
bool TListWindow::SearchKey(int key) {
    if (key == Qt::Key_Escape) {
        SearchField->clear();
        ShowSearch({});
        SongList->setFocus();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_searchDelay.stop();
        ShowSearch(SearchField->text());
        ShownTree()->setFocus();
        return true;
    }
    return false;
}

bool TListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SongList->viewport() && event->type() == QEvent::ToolTip)
        return ShowCutOffText(static_cast<QHelpEvent*>(event));
    if (event->type() != QEvent::KeyPress)
        return QMdiSubWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == SearchField)
        return SearchKey(key) || QMdiSubWindow::eventFilter(watched, event);
    if (const TSong* song = SongOf(FocusedSelection()); song && watched == ShownTree() && key == Qt::Key_Insert) {
        emit SongInserted(*song);
        return true;
    }
    if (watched == ShownTree() && (key == Qt::Key_Return || key == Qt::Key_Enter))
        RunReportingErrors([this] { OpenSelectedSong(); }); // and the tree handles the key as ever
    return QMdiSubWindow::eventFilter(watched, event);
}

void TListWindow::closeEvent(QCloseEvent* event) {
    if (Quitting)
        QMdiSubWindow::closeEvent(event);
    else
        event->ignore();
}
