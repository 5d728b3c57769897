#include "shell/songwindow.h"

#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "render/songrenderer.h"
#include "render/styleslots.h"
#include "shell/application.h"
#include "shell/documentview.h"
#include "shell/errorreport.h"
#include "shell/findbar.h"
#include "shell/icons.h"

#include <QKeyEvent>
#include <QTextEdit>
#include <QVBoxLayout>

TSongWindow::TSongWindow(const TSong& song, TColor background)
    : Song(song), RichEdit(new QTextEdit(this)), m_document(ScreenPixelsPerInch) {
    setObjectName("SongWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(WindowIcon());
    RenderSong(Song, m_document, CurrentRenderStyle());
    RichEdit->setObjectName("RichEdit");
    RichEdit->setReadOnly(true);
    RichEdit->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->viewport()->setCursor(Qt::ArrowCursor);
    RichEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit->installEventFilter(this);
    ShowSizeStep(SizeStep);
    setWindowTitle(FromAnsi(SongArtistName(Song) + " - " + Song.Title));
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit);
    layout->addWidget(m_find = new TFindBar(*RichEdit, m_document, content));
    setWidget(content);
    RunReportingErrors([this, background] { FormCreate(background); });
}

TSongWindow::~TSongWindow() {
    if (ActiveSongWindow == this)
        ActiveSongWindow = nullptr;
}

void TSongWindow::FormCreate(TColor background) {
    QPalette palette = RichEdit->palette();
    palette.setColor(QPalette::Base, ToQColor(background));
    RichEdit->setPalette(palette);
}

// Keeps the caret and the selection where they were.
void TSongWindow::ShowSizeStep(int sizeStep) {
    const int anchor = RichEdit->textCursor().anchor();
    const int position = RichEdit->textCursor().position();
    FillTextDocument(m_document, *RichEdit->document(), SizeStepZoom(sizeStep), ScreenPixelsPerInch);
    QTextCursor cursor(RichEdit->document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    RichEdit->setTextCursor(cursor);
}

void TSongWindow::ShowFind() {
    m_find->Open();
}

// Escape closes the window; F3 and Shift+F3 go through the matches of the last find.
bool TSongWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != RichEdit || event->type() != QEvent::KeyPress)
        return QMdiSubWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape)
        close();
    else if (key->key() == Qt::Key_F3)
        key->modifiers() & Qt::ShiftModifier ? m_find->Previous() : m_find->Next();
    else
        return QMdiSubWindow::eventFilter(watched, event);
    return true;
}
