#include "tests/shell/programfixture.h"

#include "library/loader.h"
#include "platform/filebytes.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/pagesetupdialog.h"
#include "shell/songwindow.h"
#include "shell/startup.h"
#include "tests/support/songfixture.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>

TProgram::TProgram(const TLibraryFiles& files, const std::string& settingsText) {
    std::filesystem::create_directory(m_folder / "Data");
    for (const auto& [name, lines] : files)
        WriteBytes(m_folder / ("Data/" + name), SongFileBytes(lines));
    if (!settingsText.empty())
        WriteBytes(SettingsFile(), settingsText);
    setenv("VIVIRA_SETTINGS_FILE", SettingsFile().c_str(), 1);
}

void TProgram::Start(std::optional<QSize> workspace) {
    if (workspace) { // the start-up order, with a pause to size the frame before the list window comes
        Main = new TMainWindow(DataFolder());
        Main->resize(Main->size() + *workspace - Main->WorkspaceSize());
        QCoreApplication::processEvents();
        ListWindow = Main->CreateListWindow();
        PageSetupDialog = new TPageSetupDialog(Main);
    } else {
        Main = StartProgram(GivesFolder ? DataFolder() : std::string());
    }
    List = ListWindow;
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
}

TProgram::~TProgram() {
    delete Main;
    ListWindow = nullptr;
    PageSetupDialog = nullptr;
    Artists.reset();
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        StyleFonts[static_cast<std::size_t>(slot)] = DefaultFont(slot);
    SizeStep = 0;
    unsetenv("VIVIRA_SETTINGS_FILE");
}

std::string TProgram::SettingsFileText() const {
    return ReadBytes(SettingsFile());
}

TSongWindow* TProgram::OpenSong(const QString& artist, const QString& title) {
    QTreeWidget* tree = List->SongList;
    const auto artists = tree->findItems(artist, Qt::MatchExactly);
    if (artists.size() != 1)
        return nullptr;
    artists[0]->setExpanded(true);
    for (int index = 0; index < artists[0]->childCount(); ++index) {
        if (artists[0]->child(index)->text(0) == title) {
            tree->setFocus();
            tree->setCurrentItem(artists[0]->child(index));
            QTest::keyClick(tree, Qt::Key_Return);
            return ActiveSongWindow;
        }
    }
    return nullptr;
}

QAction* TProgram::Action(const char* name) const {
    auto* action = Main->findChild<QAction*>(name);
    if (!action)
        qFatal("no menu entry %s", name);
    return action;
}

QMenu* TProgram::Menu(const char* name) const {
    auto* menu = Main->findChild<QMenu*>(name);
    if (!menu)
        qFatal("no menu %s", name);
    return menu;
}

namespace {

QSet<const QWidget*>& TopLevelWidgetsAtStart() {
    static QSet<const QWidget*> widgets;
    return widgets;
}

} // namespace

void NoteTopLevelWidgets() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        TopLevelWidgetsAtStart().insert(widget);
}

void VerifyNothingLeft() {
    QVERIFY(!MainWindow && !ListWindow && !PageSetupDialog && !ActiveSongWindow && !Artists);
    QCOMPARE(SizeStep, 0);
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        QVERIFY2(StyleFonts[static_cast<std::size_t>(slot)] == DefaultFont(slot), qPrintable(QString::number(slot)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QWidget* widget : QApplication::topLevelWidgets()) { // a tool tip fades by itself
        QVERIFY2(TopLevelWidgetsAtStart().contains(widget) || widget->inherits("QTipLabel"),
                 qPrintable(QString(widget->metaObject()->className()) + " " + widget->objectName()));
    }
}

void Click(QAction* action) {
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

TAnswerModal::TAnswerModal(std::function<void(QWidget*)> answer) : m_poller(std::make_unique<QTimer>()) {
    QObject::connect(m_poller.get(), &QTimer::timeout, [this, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            m_poller->stop();
            answer(modal);
        }
    });
    m_poller->start(5);
}

TAnswerModal::~TAnswerModal() = default;

QStringList TriggerAnsweringErrors(const std::function<void()>& trigger) {
    QStringList texts;
    QTimer poller;
    QObject::connect(&poller, &QTimer::timeout, [&texts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->windowTitle() + "|" + box->text();
            box->accept();
        } else if (modal) {
            modal->close();
        }
    });
    poller.start(5);
    trigger();
    return texts;
}
