#include "shell/mainwindow.h"

#include "library/loader.h"
#include "platform/codepage.h"
#include "platform/executable.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "settings/songshifts.h"
#include "shell/aboutbox.h"
#include "shell/application.h"
#include "shell/documentcommands.h"
#include "shell/errorreport.h"
#include "shell/fontcolordialog.h"
#include "shell/formdialog.h"
#include "shell/icons.h"
#include "shell/librarywatcher.h"
#include "shell/listwindow.h"
#include "shell/loadstatus.h"
#include "shell/mainmenu.h"
#include "shell/performanceview.h"
#include "shell/setlistwindow.h"
#include "shell/setsonglist.h"
#include "shell/songwindow.h"
#include "shell/windowplaces.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <filesystem>
#include <iostream>

namespace {

constexpr int CascadeStep = 24;
constexpr int CascadeCount = 8;

// Keeps a library for as long as the window it is given to lives: a song
// window's song stays valid when another library takes the place of its own.
class TLibraryShare : public QObject {
public:
    TLibraryShare(QObject* holder, std::shared_ptr<const TArtist> library)
        : QObject(holder), m_library(std::move(library)) {}

private:
    std::shared_ptr<const TArtist> m_library;
};

QString FailureReport(const std::vector<TLoadFailure>& failures) {
    QStringList lines{"Ezeket a dalfájlokat nem lehetett beolvasni:"};
    for (const TLoadFailure& failure : failures)
        lines << QString::fromStdString(failure.Path) + ": " + QString::fromStdString(failure.Message);
    return lines.join('\n');
}

} // namespace

// The settings store opens whatever the file is like (trouble is told, not
// thrown), so the preferences and the commands always exist.
TMainWindow::TMainWindow(const std::string& dataDirectory)
    : TempRichEdit(ScreenPixelsPerInch), m_workspace(new QMdiArea(this)), m_menu(std::make_unique<TMainMenu>(*this)),
      m_preferences(std::make_unique<TPreferences>(OpenSettings(SettingsRoot, "vivira", std::cerr), ScreenPixelsPerInch,
                                                   StyleFonts, SizeStep)),
      m_commands(std::make_unique<TDocumentCommands>(*this, TempRichEdit, *m_preferences,
                                                     TCommandWindows{[] { return ActiveSongWindow; },
                                                                     [] { return PageSetupDialog; },
                                                                     [this] { return m_setListWindow.data(); }})),
      m_watcher(new TLibraryWatcher(this)) {
    MainWindow = this;
    setObjectName("MainWindow");
    setWindowTitle(ApplicationTitle);
    setWindowIcon(WindowIcon());
    m_workspace->setObjectName("Workspace");
    m_workspace->setBackground(QApplication::palette().color(QPalette::Dark));
    setCentralWidget(m_workspace);
    if (const QScreen* screen = QApplication::primaryScreen())
        resize(screen->availableSize() * 4 / 5);
    ConnectMenu();
    connect(m_workspace, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
        if (window) // none: the frame itself lost the focus, which changes nothing here
            ActiveSongWindow = qobject_cast<TSongWindow*>(window);
    });
    connect(qApp, &QApplication::focusChanged, this, Reporting([this](QWidget*, QWidget* now) { TrackFocus(now); }));
    connect(m_watcher, &TLibraryWatcher::Changed, this, Reporting([this] { ReloadLibrary(m_libraryFolder); }));
    FormCreate(dataDirectory);
    ShowInPlace();
    activateWindow(); // without a window manager nothing else would give it the keyboard
}

// Where the window was left, when that still fits on a screen; else where
// the system places a new window.
void TMainWindow::ShowInPlace() {
    const std::optional<QRect> place =
        m_preferences ? OnAScreen(ReadWindowPosition(*m_preferences->Settings, "Main")) : std::nullopt;
    if (!place) {
        show();
        return;
    }
    move(place->topLeft()); // a window's position is its frame's
    resize(place->size());
    show();
    resize(place->size() - (frameGeometry().size() - size())); // the frame was stored; Qt sizes what it holds
}

TMainWindow::~TMainWindow() {
    // Destroying the children moves the focus; this half-destroyed window must not hear of it.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (MainWindow == this)
        MainWindow = nullptr;
}

void TMainWindow::ConnectMenu() {
    const auto on = [this](QAction* action, void (TMainWindow::*handler)()) {
        connect(action, &QAction::triggered, this, Reporting([this, handler] { (this->*handler)(); }));
    };
    on(m_menu->SaveRTF, &TMainWindow::SaveRTFClick);
    on(m_menu->CopyRTF, &TMainWindow::CopyRTFClick);
    on(m_menu->m_PageSetup, &TMainWindow::m_PageSetupClick);
    on(m_menu->m_PrinterSetup, &TMainWindow::m_PrinterSetupClick);
    on(m_menu->m_Print, &TMainWindow::m_PrintClick);
    on(m_menu->m_PrintPreview, &TMainWindow::PrintPreviewClick);
    on(m_menu->OpenLibrary, &TMainWindow::OpenLibraryClick);
    on(m_menu->m_Background, &TMainWindow::m_BackgroundClick);
    on(m_menu->DefaultBackground, &TMainWindow::DefaultBackgroundClick);
    on(m_menu->m_About, &TMainWindow::m_AboutClick);
    on(m_menu->ShowSetList, &TMainWindow::ShowSetListClick);
    connect(m_menu->m_Exit, &QAction::triggered, this, &QWidget::close);
    connect(m_menu->m_File, &QMenu::aboutToShow, this, Reporting([this] { m_menu->ListWindows(*m_workspace); }));
    for (const TMainMenu::TFontItem& item : m_menu->FontItems)
        connect(item.Action, &QAction::triggered, this,
                Reporting([this, item] { FontClick(item.Slot, item.StyleName); }));
    for (int step = SmallestSizeStep; step <= LargestSizeStep; ++step)
        connect(m_menu->SizeItem(step), &QAction::triggered, this, Reporting([this, step] { SizeClick(step); }));
    for (const auto& [action, notation] : {std::pair(m_menu->NotationHungarian, TNotation::Hungarian),
                                           std::pair(m_menu->NotationEnglish, TNotation::English)})
        connect(action, &QAction::triggered, this, Reporting([this, notation] { NotationClick(notation); }));
    auto* find = new QAction("Keresés", this); // a key of the whole window, in no menu
    find->setObjectName("Find");
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    connect(find, &QAction::triggered, this, Reporting([this] { FindClick(); }));
}

// Ctrl+F from anywhere: in a song window, finding in its text; elsewhere,
// the library's search field above the tree.
void TMainWindow::FindClick() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (auto* songWindow = qobject_cast<TSongWindow*>(widget))
            return songWindow->ShowFind();
    }
    if (!m_listWindow)
        return;
    m_workspace->setActiveSubWindow(m_listWindow);
    m_listWindow->FocusSearch();
}

// The song window that gets the focus becomes the active one; the list
// window and the program's own dialogs leave none. Common dialogs change nothing.
void TMainWindow::TrackFocus(QWidget* now) {
    for (QWidget* widget = now; widget; widget = widget->parentWidget()) {
        if (auto* songWindow = qobject_cast<TSongWindow*>(widget)) {
            ActiveSongWindow = songWindow;
            return;
        }
        if (qobject_cast<TListWindow*>(widget) || qobject_cast<TSetListWindow*>(widget) ||
            TFormDialog::IsForm(widget)) {
            ActiveSongWindow = nullptr;
            return;
        }
    }
}

// Settings trouble is reported and skips the rest of the settings, but
// never keeps the song library from loading; the size items show whatever
// step was loaded.
void TMainWindow::FormCreate(const std::string& dataDirectory) {
    RunReportingErrors([this] { LoadSettings(); });
    m_menu->MarkSizeStep(SizeStep);
    m_menu->MarkNotation(m_preferences->Notation);
    RunReportingErrors([this, &dataDirectory] { LoadLibrary(dataDirectory); });
}

void TMainWindow::LoadSettings() {
    if (const std::string problem = m_preferences->Settings->OpenProblem(); !problem.empty())
        ReportWarning(MessageText(problem.c_str()));
    m_preferences->LoadAll();
}

// The folder given for this run; else the one the user chose last, while
// it is there; else the default.
void TMainWindow::LoadLibrary(const std::string& dataDirectory) {
    std::string folder = dataDirectory;
    if (folder.empty() && m_preferences && !m_preferences->DataFolder.empty()) {
        std::error_code error;
        if (const std::string chosen = AnsiToUtf8(m_preferences->DataFolder);
            std::filesystem::is_directory(chosen, error))
            folder = chosen;
    }
    ReloadLibrary(folder.empty() ? DataDirectory() : folder);
}

// The folder's library in place of the one shown. The tree shows it with
// what was open and selected where it still is; each song window shares the
// library of its song, which lives on until the last of them closes.
// The folder is watched before it is read: what changes while it is read
// is read again after.
void TMainWindow::ReloadLibrary(const std::string& folder) {
    m_libraryFolder = folder;
    m_watcher->Watch(QString::fromStdString(folder));
    std::unique_ptr<TArtist> loaded;
    std::vector<TLoadFailure> failures;
    {
        TLoadStatus status(this);
        status.ShowBeforeLoading();
        failures = LoadSongLibrary(folder, loaded, &status);
    }
    const TTreeState state = m_listWindow ? m_listWindow->ForgetLibrary() : TTreeState{};
    Artists = std::move(loaded);
    if (m_listWindow)
        m_listWindow->ShowLibrary(Artists.get(), state);
    if (m_setListWindow)
        m_setListWindow->ShowLibrary(Artists.get());
    if (!failures.empty())
        ReportError(FailureReport(failures));
    else if (!Artists)
        ShowEmptyLibraryNotice(QString::fromStdString(folder));
}

// The folder chosen is read at once and at every start after, as long as
// the settings can hold its name.
void TMainWindow::OpenLibraryClick() {
    QFileDialog dialog(this, "Dalkönyvtár megnyitása");
    dialog.setObjectName("LibraryDialog");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(QString::fromStdString(m_libraryFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().first();
    ReloadLibrary(folder.toStdString());
    if (const std::optional<std::string> name = Utf8ToAnsi(folder.toStdString()); name && m_preferences)
        m_preferences->DataFolderCommand(*name);
    else
        ReportWarning("A mappa neve nem írható a beállítások közé, ezért a következő indításkor nem ez nyílik meg:\n" +
                      folder);
}

// A new user with no songs yet learns where they go. The notice waits
// without stopping anything: the empty tree works as ever.
void TMainWindow::ShowEmptyLibraryNotice(const QString& folder) {
    auto* notice = new QMessageBox(QMessageBox::Information, ApplicationTitle,
                                   "Nincs dalfájl (*.txt) ebben a mappában:\n" + folder +
                                       "\n\nA dalokat ide kell tenni, előadónként egy fájlba.",
                                   QMessageBox::Ok, this);
    notice->setObjectName("EmptyLibraryNotice");
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setModal(false);
    notice->show();
}

QSize TMainWindow::WorkspaceSize() const {
    return m_workspace->size();
}

// Where the list window was left, and what its tree had open and
// selected, when they fit what is there now.
TListWindow* TMainWindow::CreateListWindow() {
    TSettings* settings = m_preferences ? m_preferences->Settings.get() : nullptr;
    m_listWindow = new TListWindow(WorkspaceSize(), Artists.get(),
                                   settings ? TreeStateFrom(ReadTreeState(*settings)) : TTreeState{});
    m_workspace->addSubWindow(m_listWindow);
    if (const std::optional<QRect> place =
            settings ? InsideArea(ReadWindowPosition(*settings, "List"), WorkspaceSize()) : std::nullopt)
        m_listWindow->setGeometry(*place);
    m_listWindow->show();
    connect(m_listWindow, &TListWindow::SongChosen, this,
            Reporting([this](const TSong& song) { CreateSongWindow(song); }));
    connect(m_listWindow, &TListWindow::SongInserted, this,
            Reporting([this](const TSong& song) { InsertIntoSetList(song); }));
    m_commands->SetListWindow(m_listWindow);
    return m_listWindow;
}

// The set list window stands at the workspace's right edge, as the list
// window does at its left: song windows open between them, and cover little of it.
TSetListWindow* TMainWindow::SetListWindow() {
    if (m_setListWindow)
        return m_setListWindow;
    m_setListWindow = new TSetListWindow(
        TSetFolder(TSetFolder::UserSetFolder()), Artists.get(),
        [this](const TSong& song) { return ReadSongShift(*m_preferences->Settings, song); }, m_setListName);
    m_workspace->addSubWindow(m_setListWindow);
    const int width = (WorkspaceSize().width() - 4) / 4;
    m_setListWindow->setGeometry(WorkspaceSize().width() - width, 0, width, WorkspaceSize().height() - 4);
    m_setListWindow->show();
    connect(m_setListWindow, &TSetListWindow::SongChosen, this,
            Reporting([this](const TSong& song) { CreateSongWindow(song); }));
    connect(m_setListWindow, &TSetListWindow::SetListChosen, this,
            [this](const QString& name) { m_setListName = name; });
    connect(m_setListWindow, &TSetListWindow::PerformanceAsked, this,
            Reporting([this](const std::vector<TShiftedSong>& songs, std::size_t current) {
                ShowPerformance(songs, current, SongWindowLook(), m_setListWindow->SetSongs);
            }));
    return m_setListWindow;
}

// Insert in the tree: the tree keeps the focus for the next song.
void TMainWindow::InsertIntoSetList(const TSong& song) {
    QWidget* tree = QApplication::focusWidget();
    SetListWindow()->AddSong(song);
    m_workspace->setActiveSubWindow(m_listWindow);
    if (tree)
        tree->setFocus();
}

// Ctrl+M: the set lists as their files are now, ready for the keys.
void TMainWindow::ShowSetListClick() {
    TSetListWindow* window = SetListWindow();
    window->Reload();
    m_workspace->setActiveSubWindow(window);
    window->SetSongs->setFocus();
}

// What a new song window shows its song in: the settings of this moment.
TSongWindowLook TMainWindow::SongWindowLook() const {
    return {StyleFonts, ScreenPixelsPerInch, SizeStep, BackgroundColor(), m_preferences->Notation};
}

// The view lives as long as the window it was opened from, and keeps its songs' library alive as song windows do.
void TMainWindow::ShowPerformance(std::vector<TShiftedSong> songs, std::size_t current, const TSongWindowLook& look,
                                  QWidget* from) {
    auto* view = new TPerformanceView(std::move(songs), current, look, *m_preferences, from);
    new TLibraryShare(view, Artists);
}

TSongWindow* TMainWindow::CreateSongWindow(const TSong& song) {
    const int songWindows =
        static_cast<int>(m_workspace->subWindowList().size()) - (m_listWindow ? 1 : 0) - (m_setListWindow ? 1 : 0);
    auto* window = new TSongWindow(song, SongWindowLook(), ReadSongShift(*m_preferences->Settings, song));
    new TLibraryShare(window, Artists);
    connect(window, &TSongWindow::ShiftChosen, this, Reporting([this](const TSong& chosen, TSongShift shift) {
                WriteSongShift(*m_preferences->Settings, chosen, shift);
                if (m_setListWindow)
                    m_setListWindow->ShowShifts();
            }));
    connect(window, &TSongWindow::PerformanceChosen, this, Reporting([this, window] {
                ShowPerformance({{&window->Song, window->Shift()}}, 0, window->Look(), window);
            }));
    m_workspace->addSubWindow(window);
    const int offset = (songWindows % CascadeCount) * CascadeStep;
    window->setGeometry(WorkspaceSize().width() / 4 + offset, offset, WorkspaceSize().width() * 3 / 5,
                        WorkspaceSize().height() * 3 / 4);
    window->show();
    m_workspace->setActiveSubWindow(window);
    window->widget()->setFocus();
    return window;
}

void TMainWindow::SetSizeStep(int value) {
    m_preferences->SetSizeStep(value);
    m_menu->MarkSizeStep(value);
}

bool TMainWindow::GetCurrentDocument(QString& title, TRichDocument*& document) {
    return m_commands->GetCurrentDocument(title, document);
}

void TMainWindow::ApplyPrintMargins(TRichDocument& document) {
    m_commands->ApplyPrintMargins(document);
}

QPrinter& TMainWindow::CurrentPrinter() {
    return m_commands->CurrentPrinter();
}

void TMainWindow::ChoosePrinter(std::unique_ptr<QPrinter> printer) {
    m_commands->ChoosePrinter(std::move(printer));
}

// The dialog works on a copy; after a cancel the copy is what is kept, and written.
void TMainWindow::FontClick(TStyleSlot slot, const QString& styleName) {
    const TFont copy = StyleFonts.at(static_cast<std::size_t>(slot));
    TFontColorDialog dialog(this, styleName, ScreenPixelsPerInch);
    dialog.SetFont(copy);
    const TFont chosen = dialog.exec() == QDialog::Accepted ? dialog.Font() : copy;
    m_preferences->FontCommand(slot, chosen);
}

// The step zooms every song window on screen at once, open ones included.
void TMainWindow::SizeClick(int step) {
    m_preferences->SizeCommand(step);
    m_menu->MarkSizeStep(step);
    for (QMdiSubWindow* window : m_workspace->subWindowList()) {
        if (auto* songWindow = qobject_cast<TSongWindow*>(window))
            songWindow->ShowSizeStep(SizeStep);
    }
}

void TMainWindow::m_BackgroundClick() {
    QColorDialog dialog(ToQColor(m_preferences->BackgroundColor), this);
    dialog.setObjectName("ColorDialog");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    m_preferences->BackgroundCommand(chosen ? FromQColor(dialog.selectedColor()) : m_preferences->BackgroundColor);
}

// Songs opened from now on whose chords do not show their notation take this one.
void TMainWindow::NotationClick(TNotation notation) {
    m_preferences->NotationCommand(notation);
}

void TMainWindow::DefaultBackgroundClick() {
    m_preferences->BackgroundCommand(WindowColor);
}

void TMainWindow::m_AboutClick() {
    TAboutBox box(this);
    box.exec();
}

void TMainWindow::SaveRTFClick() {
    m_commands->Save();
}

void TMainWindow::CopyRTFClick() {
    m_commands->Copy();
}

void TMainWindow::m_PrintClick() {
    m_commands->Print();
}

void TMainWindow::PrintPreviewClick() {
    m_commands->PrintPreview();
}

void TMainWindow::m_PrinterSetupClick() {
    m_commands->PrinterSetup();
}

// The margins are written after every use of the dialog, OK or not.
void TMainWindow::m_PageSetupClick() {
    m_commands->PageSetup();
}

// The close is never refused; a position that cannot be written is reported.
void TMainWindow::closeEvent(QCloseEvent* event) {
    const std::optional<TTreeState> tree = m_listWindow ? std::optional(m_listWindow->TreeState()) : std::nullopt;
    if (m_listWindow)
        m_listWindow->Quitting = true;
    m_workspace->closeAllSubWindows();
    RunReportingErrors([this, &tree] {
        const QRect main = frameGeometry();
        m_preferences->SaveWindowPosition("Main", {main.left(), main.top(), main.width(), main.height()});
        if (m_listWindow) {
            const QRect list = m_listWindow->geometry();
            m_preferences->SaveWindowPosition("List", {list.left(), list.top(), list.width(), list.height()});
        }
        if (tree)
            WriteTreeState(*m_preferences->Settings, StoredTreeFrom(*tree));
    });
    event->accept();
}
