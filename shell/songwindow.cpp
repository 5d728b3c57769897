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

#include <QAbstractTextDocumentLayout>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A place in the view as a line counted from the end and a column in it: a
// new rendering of the song changes only chord lines and the capo note above
// the verses, so these name the same place in the new text.
struct TLinePlace {
    int FromEnd;
    int Column;
};

TLinePlace PlaceOf(const QTextDocument& text, int position) {
    const QTextBlock block = text.findBlock(position);
    return {text.blockCount() - 1 - block.blockNumber(), position - block.position()};
}

QTextBlock BlockOf(const QTextDocument& text, TLinePlace place) {
    return text.findBlockByNumber(std::max(0, text.blockCount() - 1 - place.FromEnd));
}

int PositionOf(const QTextDocument& text, TLinePlace place) {
    const QTextBlock block = BlockOf(text, place);
    return block.position() + std::min(place.Column, block.length() - 1);
}

// The caret, the selection's other end, and the line at the top of the view
// with how many pixels of it are scrolled past.
struct TViewPlace {
    TLinePlace Anchor;
    TLinePlace Caret;
    TLinePlace Top;
    int TopScrolled;
    int Left;
};

TViewPlace PlaceOfView(const QTextEdit& view) {
    const QTextDocument& text = *view.document();
    const QTextBlock top = view.cursorForPosition(QPoint(0, 0)).block();
    const int topY = static_cast<int>(text.documentLayout()->blockBoundingRect(top).top());
    return {PlaceOf(text, view.textCursor().anchor()), PlaceOf(text, view.textCursor().position()),
            PlaceOf(text, top.position()), view.verticalScrollBar()->value() - topY,
            view.horizontalScrollBar()->value()};
}

// The document is laid out whole first, so that the scroll bars reach as far as it does.
void ShowPlace(QTextEdit& view, const TViewPlace& place) {
    QTextDocument& text = *view.document();
    QTextCursor cursor(&text);
    cursor.setPosition(PositionOf(text, place.Anchor));
    cursor.setPosition(PositionOf(text, place.Caret), QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    text.documentLayout()->documentSize();
    const QRectF top = text.documentLayout()->blockBoundingRect(BlockOf(text, place.Top));
    view.verticalScrollBar()->setValue(static_cast<int>(top.top()) + place.TopScrolled);
    view.horizontalScrollBar()->setValue(place.Left);
}

} // namespace

TSongWindow::TSongWindow(const TSong& song, const TSongWindowLook& look, TSongShift shift)
    : Song(song), RichEdit(new QTextEdit(this)), m_document(look.PixelsPerInch), m_fonts(look.Fonts),
      m_pixelsPerInch(look.PixelsPerInch), m_sizeStep(look.SizeStep), m_notation(look.Notation),
      m_background(look.Background), m_shift(Normalized(shift)), m_shiftMenu(new QMenu("Transzponálás", this)) {
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
    ShowSizeStep(m_sizeStep);
    setWindowTitle(FromAnsi(SongArtistName(Song) + " - " + Song.Title + ShiftCaption(m_shift)));
    CreateShiftActions();
    CreatePerformanceAction();
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
    RunReportingErrors([this, &look] { FormCreate(look.Background); });
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

void TSongWindow::CreatePerformanceAction() {
    m_performance = new QAction("Előadói nézet", this);
    m_performance->setObjectName("Performance");
    m_performance->setShortcut(QKeySequence(Qt::Key_F11));
    m_performance->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_performance);
    connect(m_performance, &QAction::triggered, this, &TSongWindow::PerformanceChosen);
}

TSongWindowLook TSongWindow::Look() const {
    return {m_fonts, m_pixelsPerInch, m_sizeStep, m_background, m_notation};
}

void TSongWindow::ChooseShift(TSongShift shift) {
    SetShift(shift);
    emit ShiftChosen(Song, m_shift);
}

void TSongWindow::SetShift(TSongShift shift) {
    const TViewPlace place = PlaceOfView(*RichEdit);
    m_shift = Normalized(shift);
    RenderShifted();
    FillTextDocument(m_document, *RichEdit->document(), SizeStepZoom(m_sizeStep), m_pixelsPerInch);
    ShowPlace(*RichEdit, place);
    m_find->FindAgain();
    setWindowTitle(FromAnsi(SongArtistName(Song) + " - " + Song.Title + ShiftCaption(m_shift)));
    m_capoItems[static_cast<std::size_t>(m_shift.Capo)]->setChecked(true);
}

void TSongWindow::RenderShifted() {
    m_document.SelectWholeDocument();
    m_document.DeleteSelection();
    TTransposition transposition(m_shift, m_notation);
    RenderSong(Song, m_document, {m_fonts, m_pixelsPerInch}, transposition);
}

// The text's own menu (copying a selection), then the song's shift.
void TSongWindow::ShowContextMenu(QPoint position) {
    std::unique_ptr<QMenu> menu(RichEdit->createStandardContextMenu(position));
    menu->addSeparator();
    menu->addMenu(m_shiftMenu);
    menu->addAction(m_performance);
    menu->exec(RichEdit->viewport()->mapToGlobal(position));
}

void TSongWindow::FormCreate(TColor background) {
    QPalette palette = RichEdit->palette();
    palette.setColor(QPalette::Base, ToQColor(background));
    RichEdit->setPalette(palette);
}

// Keeps the caret and the selection where they were.
void TSongWindow::ShowSizeStep(int sizeStep) {
    m_sizeStep = sizeStep;
    const int anchor = RichEdit->textCursor().anchor();
    const int position = RichEdit->textCursor().position();
    FillTextDocument(m_document, *RichEdit->document(), SizeStepZoom(sizeStep), m_pixelsPerInch);
    QTextCursor cursor(RichEdit->document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    RichEdit->setTextCursor(cursor);
}

void TSongWindow::ShowFind() {
    m_find->Open();
}

// Escape closes the window (F3 is the find bar's, which watches the text too).
bool TSongWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != RichEdit || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return QMdiSubWindow::eventFilter(watched, event);
    close();
    return true;
}
