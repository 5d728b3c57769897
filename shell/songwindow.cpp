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

#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QTextEdit>
#include <QVBoxLayout>

TSongWindow::TSongWindow(const TSong& song, TColor background, TNotation notation, TSongShift shift)
    : Song(song), RichEdit(new QTextEdit(this)), m_document(ScreenPixelsPerInch), m_fonts(StyleFonts),
      m_notation(notation), m_shift(Normalized(shift)), m_shiftMenu(new QMenu("Transzponálás", this)) {
    setObjectName("SongWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(WindowIcon());
    RenderShifted();
    RichEdit->setObjectName("RichEdit");
    RichEdit->setReadOnly(true);
    RichEdit->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->viewport()->setCursor(Qt::ArrowCursor);
    RichEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit->installEventFilter(this);
    ShowSizeStep(SizeStep);
    setWindowTitle(FromAnsi(SongArtistName(Song) + " - " + Song.Title + ShiftCaption(m_shift)));
    CreateShiftActions();
    RichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit, &QTextEdit::customContextMenuRequested, this,
            Reporting([this](QPoint position) { ShowContextMenu(position); }));
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

// The actions live in the window so that their keys work without the menu.
void TSongWindow::CreateShiftActions() {
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, TSongShift (*shifted)(TSongShift)) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        addAction(action);
        connect(action, &QAction::triggered, this, Reporting([this, shifted] { ChooseShift(shifted(m_shift)); }));
        return action;
    };
    add(m_shiftMenu, "TransposeUp", "Fel", [](TSongShift shift) {
        return TSongShift{shift.Semitones + 1, shift.Capo};
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    add(m_shiftMenu, "TransposeDown", "Le", [](TSongShift shift) {
        return TSongShift{shift.Semitones - 1, shift.Capo};
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    add(m_shiftMenu, "TransposeReset", "Eredeti hangnem", [](TSongShift shift) { return TSongShift{0, shift.Capo}; });
    QMenu* capo = m_shiftMenu->addMenu("Capo");
    auto* capoGroup = new QActionGroup(this);
    for (int fret = 0; fret <= HighestCapo; ++fret) {
        QAction* item = capo->addAction(fret == 0 ? QString("Nincs") : QString::number(fret));
        item->setObjectName(QString("Capo%1").arg(fret));
        item->setCheckable(true);
        item->setChecked(fret == m_shift.Capo);
        capoGroup->addAction(item);
        connect(item, &QAction::triggered, this, Reporting([this, fret] { ChooseShift({m_shift.Semitones, fret}); }));
        m_capoItems[static_cast<std::size_t>(fret)] = item;
    }
    for (QAction* action : actions())
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
}

void TSongWindow::ChooseShift(TSongShift shift) {
    SetShift(shift);
    emit ShiftChosen(Song, m_shift);
}

// The caret goes back to the start: the lines it was on may have changed.
void TSongWindow::SetShift(TSongShift shift) {
    m_shift = Normalized(shift);
    RenderShifted();
    ShowSizeStep(SizeStep);
    RichEdit->moveCursor(QTextCursor::Start);
    setWindowTitle(FromAnsi(SongArtistName(Song) + " - " + Song.Title + ShiftCaption(m_shift)));
    m_capoItems[static_cast<std::size_t>(m_shift.Capo)]->setChecked(true);
}

void TSongWindow::RenderShifted() {
    m_document.SelectWholeDocument();
    m_document.DeleteSelection();
    TTransposition transposition(m_shift, m_notation);
    RenderSong(Song, m_document, {m_fonts, ScreenPixelsPerInch}, transposition);
}

// The text's own menu (copying a selection), then the song's shift.
void TSongWindow::ShowContextMenu(QPoint position) {
    std::unique_ptr<QMenu> menu(RichEdit->createStandardContextMenu(position));
    menu->addSeparator();
    menu->addMenu(m_shiftMenu);
    menu->exec(RichEdit->viewport()->mapToGlobal(position));
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
