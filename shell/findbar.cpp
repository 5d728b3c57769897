#include "shell/findbar.h"

#include "qtbridge/qttext.h"
#include "render/document.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace {

const QColor MatchColor(255, 235, 120);

} // namespace

TFindBar::TFindBar(QTextEdit& view, const TRichDocument& document, QWidget* parent)
    : QWidget(parent), Field(new QLineEdit(this)), m_view(view), m_document(document), m_count(new QLabel(this)) {
    setObjectName("FindBar");
    Field->setObjectName("FindField");
    Field->setPlaceholderText("Keresés a dalban");
    Field->installEventFilter(this);
    m_count->setObjectName("FindCount");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Field);
    layout->addWidget(m_count);
    connect(Field, &QLineEdit::textChanged, this, &TFindBar::Find);
    hide();
}

void TFindBar::Open() {
    show();
    Field->setFocus(Qt::ShortcutFocusReason);
    Field->selectAll();
}

// Every match marked; the first one at or after the caret selected.
void TFindBar::Find() {
    m_matches = FindInText(m_document.Text(), TQuery(ToAnsi(Field->text())));
    QList<QTextEdit::ExtraSelection> marks;
    for (const TTextRange& match : m_matches) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_view.document());
        mark.cursor.setPosition(static_cast<int>(match.Start));
        mark.cursor.setPosition(static_cast<int>(match.Start + match.Length), QTextCursor::KeepAnchor);
        mark.format.setBackground(MatchColor);
        marks << mark;
    }
    m_view.setExtraSelections(marks);
    m_count->setText(Field->text().isEmpty() ? QString() : QString("%1 találat").arg(m_matches.size()));
    const auto caret = static_cast<std::size_t>(m_view.textCursor().selectionStart());
    std::size_t first = 0;
    while (first < m_matches.size() && m_matches[first].Start < caret)
        ++first;
    if (!m_matches.empty())
        Select(first % m_matches.size());
}

void TFindBar::Select(std::size_t match) {
    m_current = match;
    QTextCursor cursor(m_view.document());
    cursor.setPosition(static_cast<int>(m_matches[match].Start));
    cursor.setPosition(static_cast<int>(m_matches[match].Start + m_matches[match].Length), QTextCursor::KeepAnchor);
    m_view.setTextCursor(cursor);
    m_view.ensureCursorVisible();
}

void TFindBar::Next() {
    if (!m_matches.empty())
        Select((m_current + 1) % m_matches.size());
}

void TFindBar::Previous() {
    if (!m_matches.empty())
        Select((m_current + m_matches.size() - 1) % m_matches.size());
}

// The marks go with the bar; the caret stays on the match the user was at.
void TFindBar::Close() {
    m_view.setExtraSelections({});
    hide();
    m_view.setFocus();
}

bool TFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Field || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape)
        Close();
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F3)
        key->modifiers() & Qt::ShiftModifier ? Previous() : Next();
    else
        return QWidget::eventFilter(watched, event);
    return true;
}
