#include "shell/setlistwindow.h"

#include "setlist/setlistname.h"
#include "shell/errorreport.h"
#include "shell/icons.h"
#include "shell/librarywatcher.h"
#include "shell/setsonglist.h"

#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// What a first song added to no set list at all goes into.
const QString FirstSetName = "Műsor";

QString NameProblemText(TSetNameProblem problem) {
    switch (problem) {
    case TSetNameProblem::None:
        break;
    case TSetNameProblem::Empty:
        return "A műsornak nevet kell adni.";
    case TSetNameProblem::NotText:
    case TSetNameProblem::Forbidden:
        return "A műsor neve fájlnév is, ezért nem lehet benne / \\ : * ? \" < > | és vezérlőkarakter.";
    case TSetNameProblem::Ends:
        return "A műsor neve fájlnév is, ezért nem kezdődhet és nem végződhet ponttal vagy szóközzel.";
    case TSetNameProblem::Device:
        return "A műsor neve fájlnév is, és ez a név (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9) a Windowsban egy "
               "eszközé.";
    case TSetNameProblem::TooLong:
        return "A műsor neve fájlnév is, és ilyen hosszú fájlnév nem lehet.";
    }
    return {};
}

// As the tree sorts: the user's language, Hungarian where none is set.
QStringList SortedNames(const std::vector<std::string>& names) {
    QStringList sorted;
    for (const std::string& name : names)
        sorted << QString::fromStdString(name);
    const QLocale user;
    const QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::Hungarian, QLocale::Hungary) : user);
    std::stable_sort(sorted.begin(), sorted.end(), collator);
    return sorted;
}

} // namespace

TSetListWindow::TSetListWindow(TSetFolder folder, const TArtist* library, TEachSongShift::TShiftOf shiftOf,
                               const QString& chosen)
    : SetChooser(new QComboBox(this)), SetSongs(new TSetSongList(this)), m_folder(std::move(folder)),
      m_shiftOf(std::move(shiftOf)), m_finder(std::make_unique<TSetSongFinder>(library)), m_status(new QLabel(this)),
      m_watcher(new TLibraryWatcher(this)) {
    setObjectName("SetListWindow");
    setWindowTitle("Műsor");
    setWindowIcon(WindowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(CreateContent(CreateActions()));
    connect(SetChooser, &QComboBox::currentTextChanged, this, Reporting([this](const QString& name) { Choose(name); }));
    connect(SetSongs, &QListWidget::itemActivated, this, Reporting([this] { OpenClick(); }));
    connect(SetSongs, &TSetSongList::MoveAsked, this,
            Reporting([this](int from, int to) { Change([from, to](TSetList& list) { list.Move(from, to); }, to); }));
    connect(SetSongs, &TSetSongList::DropAsked, this,
            Reporting([this](const TSong& song, int at) { Insert(song, at); }));
    connect(m_watcher, &TLibraryWatcher::Changed, this, Reporting([this] { Reload(); }));
    RunReportingErrors([this, &chosen] { ShowNames(chosen); });
}

QWidget* TSetListWindow::CreateContent(const QList<QAction*>& setActions) {
    SetChooser->setObjectName("SetChooser");
    m_status->setObjectName("SetStatus");
    m_status->setWordWrap(true);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(SetChooser);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QAction* action : setActions) {
        auto* button = new QToolButton(content);
        button->setDefaultAction(action);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(SetSongs);
    layout->addWidget(m_status);
    return content;
}

QAction* TSetListWindow::AddAction(const char* name, const QString& caption, const QKeySequence& key,
                                   void (TSetListWindow::*click)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, Reporting([this, click] { (this->*click)(); }));
    return action;
}

// The songs' commands are in their context menu, with keys that work while
// the list has the focus; the set list's own (returned) go into buttons.
QList<QAction*> TSetListWindow::CreateActions() {
    SetSongs->setContextMenuPolicy(Qt::ActionsContextMenu);
    SetSongs->addActions(
        {AddAction("SetSongUp", "Feljebb", QKeySequence(Qt::ALT | Qt::Key_Up), &TSetListWindow::MoveUpClick),
         AddAction("SetSongDown", "Lejjebb", QKeySequence(Qt::ALT | Qt::Key_Down), &TSetListWindow::MoveDownClick),
         AddAction("SetSongRemove", "Eltávolítás", QKeySequence::Delete, &TSetListWindow::RemoveClick),
         AddAction("SetSongOpen", "Megnyitás", {}, &TSetListWindow::OpenClick)});
    QAction* performance =
        AddAction("SetPerformance", "Előadói nézet", QKeySequence(Qt::Key_F11), &TSetListWindow::PerformanceClick);
    addAction(performance); // F11 anywhere in the window
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    SetSongs->addActions({separator, performance});
    return {AddAction("NewSetList", "Új...", {}, &TSetListWindow::NewClick),
            AddAction("RenameSetList", "Átnevezés...", {}, &TSetListWindow::RenameClick),
            AddAction("DeleteSetList", "Törlés...", {}, &TSetListWindow::DeleteClick)};
}

void TSetListWindow::ShowNames(const QString& chosen) {
    m_watcher->Watch(QString::fromStdString(m_folder.Path()));
    const QStringList names = SortedNames(m_folder.Names());
    {
        const QSignalBlocker quiet(SetChooser);
        SetChooser->clear();
        SetChooser->addItems(names);
        SetChooser->setCurrentIndex(std::max(0, static_cast<int>(names.indexOf(chosen))));
    }
    Choose(SetChooser->currentText());
}

// The watcher sees this window's own writes too: those change nothing shown.
void TSetListWindow::Reload() {
    if (!m_list || NamesChanged() || FileChanged())
        ShowNames(SetChooser->currentText());
    else
        m_watcher->Watch(QString::fromStdString(m_folder.Path())); // a file replaced whole is a new file to watch
}

bool TSetListWindow::NamesChanged() const {
    QStringList shown;
    for (int index = 0; index < SetChooser->count(); ++index)
        shown << SetChooser->itemText(index);
    return SortedNames(m_folder.Names()) != shown;
}

bool TSetListWindow::FileChanged() const {
    return m_folder.Read(m_list->Name).Entries != m_list->Entries;
}

// A set list that cannot be read shows nothing, and says why. The same set
// list read again keeps its current row.
void TSetListWindow::Choose(const QString& name) {
    const int row = m_list && m_list->Name == name.toStdString() ? SetSongs->currentRow() : 0;
    m_list.reset();
    ShowEntries();
    if (name.isEmpty())
        return;
    m_list = m_folder.Read(name.toStdString());
    ShowEntries();
    SetSongs->setCurrentRow(std::min(row, SetSongs->count() - 1));
    emit SetListChosen(name);
}

void TSetListWindow::ShowLibrary(const TArtist* library) {
    m_finder = std::make_unique<TSetSongFinder>(library);
    ShowEntries();
}

void TSetListWindow::ShowShifts() {
    ShowEntries();
}

void TSetListWindow::ShowEntries() {
    m_songs.clear();
    std::vector<TSetRow> rows;
    for (const std::string& entry : m_list ? m_list->Entries : std::vector<std::string>()) {
        const TSong* song = m_finder->Find(entry);
        m_songs.push_back(song);
        const std::string shift = song ? ShiftCaption(m_shiftOf(*song)) : std::string();
        rows.push_back({QString("%1. %2").arg(rows.size() + 1).arg(QString::fromStdString(entry + shift)), !song});
    }
    SetSongs->ShowRows(rows);
    const auto missing = std::count(m_songs.begin(), m_songs.end(), nullptr);
    if (!m_list)
        m_status->setText(SetChooser->count() == 0 ? "Még nincs műsor: az Insert billentyű a fa egy dalán "
                                                     "vagy az „Új...” gomb kezd egyet."
                                                   : "");
    else if (missing == 0)
        m_status->setText(QString("%1 dal").arg(m_songs.size()));
    else
        m_status->setText(QString("%1 dal, ebből %2 nincs a dalkönyvtárban").arg(m_songs.size()).arg(missing));
}

// The file is written first: what cannot be saved is not shown as done. A
// file another program changed since it was read is not written over: the
// rows the user acted on may no longer be those of the file.
void TSetListWindow::Change(const std::function<void(TSetList&)>& edit, int currentAfter) {
    if (FileChanged()) {
        ShowNames(SetChooser->currentText());
        ReportWarning("A „" + SetChooser->currentText() +
                      "” műsor fájlját közben egy másik program megváltoztatta. Most úgy látod, ahogy a fájlban van; "
                      "a változtatásod nem került bele, ha kell, végezd el újra.");
        return;
    }
    TSetList changed = *m_list;
    edit(changed);
    m_folder.Write(changed);
    m_list = std::move(changed);
    ShowEntries();
    SetSongs->setCurrentRow(currentAfter);
}

void TSetListWindow::AddSong(const TSong& song) {
    if (!m_list && SetChooser->count() == 0) {
        m_folder.Create(FirstSetName.toStdString());
        ShowNames(FirstSetName);
    }
    if (!m_list)
        Choose(SetChooser->currentText()); // says again why it cannot be read
    Insert(song, static_cast<int>(m_list->Entries.size()));
}

void TSetListWindow::Insert(const TSong& song, int at) {
    if (!m_list)
        return AddSong(song);
    Change([&song, at](TSetList& list) { list.Entries.insert(list.Entries.begin() + at, SetEntryOf(song)); }, at);
}

void TSetListWindow::MoveUpClick() {
    if (const int row = SetSongs->currentRow(); row > 0)
        Change([row](TSetList& list) { list.Move(row, row - 1); }, row - 1);
}

void TSetListWindow::MoveDownClick() {
    if (const int row = SetSongs->currentRow(); row >= 0 && row + 1 < SetSongs->count())
        Change([row](TSetList& list) { list.Move(row, row + 1); }, row + 1);
}

void TSetListWindow::RemoveClick() {
    if (const int row = SetSongs->currentRow(); row >= 0)
        Change([row](TSetList& list) { list.Entries.erase(list.Entries.begin() + row); },
               std::min(row, SetSongs->count() - 2));
}

void TSetListWindow::OpenClick() {
    if (const int row = SetSongs->currentRow(); row >= 0 && m_songs[static_cast<std::size_t>(row)])
        emit SongChosen(*m_songs[static_cast<std::size_t>(row)]);
}

// The current row's song, or for a row the library lacks, the next song that it holds.
void TSetListWindow::PerformanceClick() {
    std::vector<TShiftedSong> songs;
    std::size_t current = 0;
    for (std::size_t row = 0; row < m_songs.size(); ++row) {
        if (static_cast<int>(row) == SetSongs->currentRow())
            current = songs.size();
        if (m_songs[row])
            songs.push_back({m_songs[row], m_shiftOf(*m_songs[row])});
    }
    if (!songs.empty())
        emit PerformanceAsked(songs, std::min(current, songs.size() - 1));
}

std::optional<QString> TSetListWindow::AskName(const QString& title, const QString& name) {
    QInputDialog dialog(this);
    dialog.setObjectName("SetNameDialog");
    dialog.setWindowTitle(title);
    dialog.setLabelText("A műsor neve:");
    dialog.setTextValue(name);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString chosen = dialog.textValue();
    if (const TSetNameProblem problem = CheckSetListName(chosen.toStdString()); problem != TSetNameProblem::None) {
        ReportWarning(NameProblemText(problem));
        return std::nullopt;
    }
    if (chosen != name && m_folder.Has(chosen.toStdString()) && chosen.compare(name, Qt::CaseInsensitive) != 0) {
        ReportWarning("Már van ilyen nevű műsor: „" + chosen + "”.");
        return std::nullopt;
    }
    return chosen;
}

void TSetListWindow::NewClick() {
    if (const std::optional<QString> name = AskName("Új műsor", {})) {
        m_folder.Create(name->toStdString());
        ShowNames(*name);
    }
}

void TSetListWindow::RenameClick() {
    const QString old = SetChooser->currentText();
    if (old.isEmpty())
        return;
    if (const std::optional<QString> name = AskName("Műsor átnevezése", old); name && *name != old) {
        m_folder.Rename(old.toStdString(), name->toStdString());
        ShowNames(*name);
    }
}

void TSetListWindow::DeleteClick() {
    const QString name = SetChooser->currentText();
    if (name.isEmpty() ||
        QMessageBox::question(this, "Műsor törlése", "Törlöd ezt a műsort: „" + name + "”?\n\nA dalok megmaradnak.") !=
            QMessageBox::Yes)
        return;
    m_folder.Remove(name.toStdString());
    ShowNames({});
}

bool TSetListWindow::HasFocus() const {
    return isAncestorOf(QApplication::focusWidget());
}

std::optional<TSetBook> TSetListWindow::Book() const {
    return m_list ? std::optional(SetBookOf(*m_list, *m_finder)) : std::nullopt;
}
