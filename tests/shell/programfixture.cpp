#include "tests/shell/programfixture.h"

#include "library/loader.h"
#include "platform/filebytes.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/support/songfixture.h"

#include <QApplication>
#include <QMessageBox>
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
    Main = new TMainWindow(DataFolder());
    if (workspace) {
        Main->resize(Main->size() + *workspace - Main->WorkspaceSize());
        QCoreApplication::processEvents();
    }
    List = ListWindow = new TListWindow(Main);
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
}

TProgram::~TProgram() {
    delete Main;
    ListWindow = nullptr;
    ActiveSongWindow = nullptr;
    Artists.reset();
    unsetenv("VIVIRA_SETTINGS_FILE");
}

std::string TProgram::SettingsFileText() const {
    return std::string(ReadFileBytes(SettingsFile()).View());
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

void Click(QAction* action) {
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

void AnswerNextModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return AnswerNextModal(answer); // not up yet: try again on the next turn
        answer(modal);
    });
}

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
