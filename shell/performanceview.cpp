#include "shell/performanceview.h"

#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "render/songrenderer.h"
#include "settings/preferences.h"
#include "settings/stagevalues.h"
#include "shell/documentview.h"
#include "shell/errorreport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::chrono::milliseconds ScrollTick(40);

} // namespace

TPerformanceView::TPerformanceView(std::vector<TShiftedSong> songs, std::size_t start, const TSongWindowLook& look,
                                   TPreferences& preferences, QWidget* from)
    : QWidget(from, Qt::Window), m_songs(std::move(songs)), m_index(start < m_songs.size() ? start : 0), m_look(look),
      m_preferences(preferences), m_from(from), m_document(look.PixelsPerInch), m_dark(preferences.DarkStage),
      m_scrollTimer(new QTimer(this)), m_cursorTimer(new QTimer(this)) {
    setObjectName("PerformanceView");
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    m_scrollTimer->setObjectName("ScrollTimer");
    m_scrollTimer->setInterval(ScrollTick);
    connect(m_scrollTimer, &QTimer::timeout, this, Reporting([this] { AdvanceScroll(ScrollTick); }));
    setMouseTracking(true);
    m_cursorTimer->setSingleShot(true);
    m_cursorTimer->setInterval(HideCursorAfterMilliseconds);
    connect(m_cursorTimer, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    m_cursorTimer->start();
    if (QScreen* screen = from ? from->screen() : nullptr) {
        setScreen(screen);
        setGeometry(screen->geometry()); // where no window manager makes it full screen
    }
    ShowSong(m_index);
    showFullScreen();
    activateWindow();
}

bool TPerformanceView::Scrolling() const {
    return m_scrollTimer->isActive();
}

void TPerformanceView::ShowSong(std::size_t index) {
    m_scrollTimer->stop();
    m_index = index;
    const TShiftedSong& song = m_songs[m_index];
    m_speed = ReadScrollSpeed(*m_preferences.Settings, *song.Song);
    setWindowTitle(FromAnsi(SongArtistName(*song.Song) + " - " + song.Song->Title + ShiftCaption(song.Shift)));
    Render();
    m_position = 0;
    LayOut();
    update();
}

// The dark scheme colours every slot; the window's colours are the fonts' own.
void TPerformanceView::Render() {
    const TShiftedSong& song = m_songs[m_index];
    const TStyleFonts fonts = m_dark ? InScheme(m_look.Fonts, DarkStageScheme) : m_look.Fonts;
    m_document.SelectWholeDocument();
    m_document.DeleteSelection();
    TTransposition transposition(song.Shift, m_look.Notation);
    RenderSong(*song.Song, m_document, {fonts, m_look.PixelsPerInch}, transposition);
    m_text = std::make_unique<TStageText>(m_document, *this);
}

// A stopped view stays at the top of the page it showed; a scrolling one goes on where it was.
void TPerformanceView::LayOut() {
    const QRectF area = TextArea();
    m_layout = std::make_unique<TStageLayout>(
        m_text->Lines(), TStageArea{area.width(), area.height(), 2 * Margin(), SizeStepZoom(m_look.SizeStep)});
    m_text->SetColumnWidth(m_layout->ColumnWidth() / m_layout->Fit().Zoom + 1); // no rounding wraps the longest
    m_position = std::clamp(m_position, 0.0, static_cast<double>(m_layout->Lines().size()));
    if (!Scrolling())
        m_position = static_cast<double>(m_layout->Pages()[m_layout->PageAt(m_position)].Begin);
}

double TPerformanceView::Margin() const {
    return std::max(8.0, width() / 60.0);
}

QFont TPerformanceView::FootFont() const {
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    return font;
}

QRectF TPerformanceView::TextArea() const {
    const double margin = Margin();
    const double foot = 1.5 * QFontMetricsF(FootFont(), this).height();
    return {margin, margin, std::max(1.0, width() - 2 * margin), std::max(1.0, height() - 2 * margin - foot)};
}

void TPerformanceView::GoTo(double position) {
    m_position = position;
    update();
}

void TPerformanceView::AdvanceScroll(std::chrono::milliseconds elapsed) {
    if (!Scrolling() || m_keyHeld)
        return;
    m_position = m_layout->Scrolled(m_position, m_speed * static_cast<double>(elapsed.count()) / 60000);
    if (m_position >= m_layout->LastPosition())
        m_scrollTimer->stop();
    update();
}

void TPerformanceView::ToggleScroll() {
    if (Scrolling())
        m_scrollTimer->stop();
    else if (m_position < m_layout->LastPosition())
        m_scrollTimer->start();
    update();
}

void TPerformanceView::ChangeSpeed(int change) {
    m_speed = std::clamp(m_speed + change, SlowestScrollSpeed, FastestScrollSpeed);
    update();
    WriteScrollSpeed(*m_preferences.Settings, *m_songs[m_index].Song, m_speed);
}

// What is shown changes first: a setting that cannot be written is reported, and the view stays as chosen.
void TPerformanceView::ToggleColors() {
    m_dark = !m_dark;
    Render();
    m_text->SetColumnWidth(m_layout->ColumnWidth() / m_layout->Fit().Zoom + 1);
    update();
    m_preferences.DarkStageCommand(m_dark);
}

void TPerformanceView::Perform(TStageCommand command) {
    switch (command) {
    case TStageCommand::None:
        return;
    case TStageCommand::Leave:
        close();
        return;
    case TStageCommand::NextPage:
        return GoTo(m_layout->NextPage(m_position));
    case TStageCommand::PreviousPage:
        return GoTo(m_layout->PreviousPage(m_position));
    case TStageCommand::FirstPage:
        return GoTo(0);
    case TStageCommand::LastPage:
        return GoTo(static_cast<double>(m_layout->Pages().back().Begin));
    case TStageCommand::NextSong:
        return m_index + 1 < m_songs.size() ? ShowSong(m_index + 1) : void();
    case TStageCommand::PreviousSong:
        return m_index > 0 ? ShowSong(m_index - 1) : void();
    case TStageCommand::Scroll:
        return ToggleScroll();
    case TStageCommand::Faster:
        return ChangeSpeed(1);
    case TStageCommand::Slower:
        return ChangeSpeed(-1);
    case TStageCommand::Colors:
        return ToggleColors();
    }
}

// The view's keys are its own, not shortcuts of the window it came from (F11 would open another view).
bool TPerformanceView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (StageCommandOf(key->key(), key->modifiers()) != TStageCommand::None) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

// Any key held down pauses the scrolling: a pedal pressed and kept there holds the song.
void TPerformanceView::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        m_keyHeld = true;
    const TStageCommand command = StageCommandOf(event->key(), event->modifiers());
    if (command == TStageCommand::None)
        return QWidget::keyPressEvent(event);
    RunReportingErrors([this, command] { Perform(command); });
}

void TPerformanceView::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        m_keyHeld = false;
    QWidget::keyReleaseEvent(event);
}

void TPerformanceView::mousePressEvent(QMouseEvent* event) {
    const TStageCommand command = StageCommandOfClick(event->button(), event->position().x(), width());
    if (command == TStageCommand::None)
        return QWidget::mousePressEvent(event);
    RunReportingErrors([this, command] { Perform(command); });
}

void TPerformanceView::mouseMoveEvent(QMouseEvent* event) {
    unsetCursor();
    m_cursorTimer->start();
    QWidget::mouseMoveEvent(event);
}

void TPerformanceView::wheelEvent(QWheelEvent* event) {
    const int turns = m_wheel.Turn(event->angleDelta().y());
    const TStageCommand command = turns > 0 ? TStageCommand::NextPage : TStageCommand::PreviousPage;
    RunReportingErrors([this, turns, command] {
        for (int turn = 0; turn < std::abs(turns); ++turn)
            Perform(command);
    });
    event->accept();
}

// A key let go in another window never comes back here.
void TPerformanceView::focusOutEvent(QFocusEvent* event) {
    m_keyHeld = false;
    QWidget::focusOutEvent(event);
}

void TPerformanceView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RunReportingErrors([this] { LayOut(); });
}

void TPerformanceView::closeEvent(QCloseEvent* event) {
    m_scrollTimer->stop();
    if (m_from) {
        m_from->window()->activateWindow();
        m_from->setFocus();
    }
    QWidget::closeEvent(event);
}

void TPerformanceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_dark ? DarkStageScheme.Background : m_look.Background));
    painter.setPen(ToQColor(m_dark ? DarkStageScheme.Text : WindowTextColor)); // the automatic colour
    const QRectF area = TextArea();
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    DrawColumns(painter, area.height());
    painter.restore();
    DrawFoot(painter, area);
}

// With two columns, a faint rule between them while the second holds anything.
void TPerformanceView::DrawColumns(QPainter& painter, double height) const {
    const TStagePage shown = m_layout->Shown(m_position);
    if (m_layout->Fit().Columns == 1)
        return DrawLines(painter, shown.Begin, shown.End,
                         {0, m_layout->Offset(static_cast<double>(shown.Begin)) - m_layout->Offset(m_position)});
    const double second = m_layout->ColumnWidth() + 2 * Margin();
    DrawLines(painter, shown.Begin, shown.ColumnEnd, {0, 0});
    if (shown.End == shown.ColumnEnd)
        return;
    DrawLines(painter, shown.ColumnEnd, shown.End, {second, 0});
    QColor rule = painter.pen().color();
    rule.setAlphaF(0.25);
    painter.setPen(rule);
    painter.drawLine(QPointF(second - Margin(), 0), QPointF(second - Margin(), height));
}

void TPerformanceView::DrawLines(QPainter& painter, std::size_t begin, std::size_t end, QPointF top) const {
    painter.save();
    painter.translate(top);
    painter.scale(m_layout->Fit().Zoom, m_layout->Fit().Zoom);
    double y = 0;
    for (std::size_t line = begin; line < end; ++line) {
        m_text->Draw(painter, line, {0, y});
        y += m_layout->Lines()[line].Height;
    }
    painter.restore();
}

// Under the text: the next song on the last page, and where the view is.
void TPerformanceView::DrawFoot(QPainter& painter, const QRectF& area) const {
    const QRectF foot(area.left(), area.bottom(), area.width(), height() - Margin() / 2 - area.bottom());
    painter.setFont(FootFont());
    QColor color = painter.pen().color();
    color.setAlphaF(0.7);
    painter.setPen(color);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, NextSongNote());
    QStringList place;
    if (m_songs.size() > 1)
        place << QString("%1/%2. dal").arg(m_index + 1).arg(m_songs.size());
    place << QString("%1/%2. oldal").arg(m_layout->PageAt(m_position) + 1).arg(m_layout->Pages().size());
    place << QString(Scrolling() ? "▶ %1 sor/perc" : "%1 sor/perc").arg(m_speed);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, place.join("  ·  "));
}

QString TPerformanceView::NextSongNote() const {
    if (m_layout->Shown(m_position).End < m_layout->Lines().size() || m_index + 1 >= m_songs.size())
        return {};
    const TSong& next = *m_songs[m_index + 1].Song;
    return "Következik: " + FromAnsi(SongArtistName(next) + " - " + next.Title);
}
