#include "shell/mainwindow.h"

#include "library/loader.h"
#include "platform/executable.h"
#include "print/qtcolor.h"
#include "print/qttext.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "shell/icons.h"
#include "shell/listwindow.h"
#include "shell/loadstatus.h"
#include "shell/songwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <iostream>

namespace {

constexpr int CascadeStep = 24;
constexpr int CascadeCount = 8;

// The documents folder where there is one, else the home folder: never the
// folder the program happened to be started in.
QString FirstSaveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString FailureReport(const std::vector<TLoadFailure>& failures) {
    QStringList lines{"Ezeket a dalfájlokat nem lehetett beolvasni:"};
    for (const TLoadFailure& failure : failures)
        lines << QString::fromStdString(failure.Path) + ": " + QString::fromStdString(failure.Message);
    return lines.join('\n');
}

} // namespace

TMainWindow::TMainWindow(const std::string& dataDirectory)
    : TempRichEdit(ScreenPixelsPerInch), m_workspace(new QMdiArea(this)), m_saveFolder(FirstSaveFolder()) {
    MainWindow = this;
    setObjectName("MainWindow");
    setWindowTitle(ApplicationTitle);
    setWindowIcon(WindowIcon());
    m_workspace->setObjectName("Workspace");
    m_workspace->setBackground(QApplication::palette().color(QPalette::Dark));
    setCentralWidget(m_workspace);
    if (const QScreen* screen = QApplication::primaryScreen())
        resize(screen->availableSize() * 4 / 5);
    CreateMenu();
    connect(m_workspace, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
        if (window) // none: the frame itself lost the focus, which changes nothing here
            ActiveSongWindow = qobject_cast<TSongWindow*>(window);
    });
    connect(qApp, &QApplication::focusChanged, this, Reporting([this](QWidget*, QWidget* now) { TrackFocus(now); }));
    FormCreate(dataDirectory);
    show();
    activateWindow(); // without a window manager nothing else would give it the keyboard
}

TMainWindow::~TMainWindow() {
    // Destroying the children moves the focus; this half-destroyed window must not hear of it.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (MainWindow == this)
        MainWindow = nullptr;
}

// The song window that gets the focus becomes the active one; the list
// window and the program's own dialogs leave none. Common dialogs change nothing.
void TMainWindow::TrackFocus(QWidget* now) {
    for (QWidget* widget = now; widget; widget = widget->parentWidget()) {
        if (auto* songWindow = qobject_cast<TSongWindow*>(widget)) {
            ActiveSongWindow = songWindow;
            return;
        }
        if (qobject_cast<TListWindow*>(widget) || widget->property("ProgramForm").toBool()) {
            ActiveSongWindow = nullptr;
            return;
        }
    }
}

// Settings trouble is reported and skips the rest of the settings, but
// never keeps the song library from loading.
void TMainWindow::FormCreate(const std::string& dataDirectory) {
    RunReportingErrors([this] { LoadSettings(); });
    RunReportingErrors([this, &dataDirectory] { LoadLibrary(dataDirectory); });
}

void TMainWindow::LoadSettings() {
    m_preferences = std::make_unique<TPreferences>(OpenSettings(SettingsRoot, std::cerr), ScreenPixelsPerInch);
    m_preferences->SizeMark = [this](int step, bool checked) { SizeAction(step)->setChecked(checked); };
    if (const std::string problem = m_preferences->Settings->OpenProblem(); !problem.empty())
        ReportWarning(MessageText(problem.c_str()));
    m_preferences->LoadAll();
}

void TMainWindow::LoadLibrary(const std::string& dataDirectory) {
    const std::string folder = dataDirectory.empty() ? DataDirectory() : dataDirectory;
    std::vector<TLoadFailure> failures;
    {
        TLoadStatus status(this);
        status.ShowBeforeLoading();
        failures = LoadSongLibrary(folder, Artists, &status);
    }
    if (!failures.empty())
        ReportError(FailureReport(failures));
    else if (!Artists)
        ShowEmptyLibraryNotice(QFile::decodeName(folder.c_str()));
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

void TMainWindow::AddListWindow(TListWindow* window) {
    m_listWindow = window;
    m_workspace->addSubWindow(window);
    window->show();
}

void TMainWindow::ShowChild(TSongWindow* window) {
    const int songWindows = static_cast<int>(m_workspace->subWindowList().size()) - (m_listWindow ? 1 : 0);
    m_workspace->addSubWindow(window);
    const int offset = (songWindows % CascadeCount) * CascadeStep;
    window->setGeometry(WorkspaceSize().width() / 4 + offset, offset, WorkspaceSize().width() * 3 / 5,
                        WorkspaceSize().height() * 3 / 4);
    window->show();
    m_workspace->setActiveSubWindow(window);
    window->widget()->setFocus();
}

// The close is never refused; a position that cannot be written is reported.
void TMainWindow::closeEvent(QCloseEvent* event) {
    if (m_listWindow)
        m_listWindow->Quitting = true;
    m_workspace->closeAllSubWindows();
    RunReportingErrors([this] {
        const QRect main = frameGeometry();
        m_preferences->SaveWindowPosition("Main", {main.left(), main.top(), main.width(), main.height()});
        if (m_listWindow) {
            const QRect list = m_listWindow->geometry();
            m_preferences->SaveWindowPosition("List", {list.left(), list.top(), list.width(), list.height()});
        }
    });
    event->accept();
}
