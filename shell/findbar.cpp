#include "shell/findbar.h"

#include "qtbridge/qttext.h"
#include "render/document.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>

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
    view.installEventFilter(this);
    hide();
}

void TFindBar::Open() {
    show();
    Field->setFocus(Qt::ShortcutFocusReason);
    Field->selectAll();
}

// Every match marked; the first one at or after the caret selected.
void TFindBar::Find() {
    Mark();
    const auto caret = static_cast<std::size_t>(m_view.textCursor().selectionStart());
    std::size_t first = 0;
    while (first < m_matches.size() && m_matches[first].Start < caret)
        ++first;
    if (!m_matches.empty())
        Select(first % m_matches.size());
}

void TFindBar::Mark() {
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
    m_view.setExtraSelections(isVisible() ? marks : QList<QTextEdit::ExtraSelection>());
    m_count->setText(Field->text().isEmpty() ? QString() : QString("%1 találat").arg(m_matches.size()));
}

// F3 then goes on from the match the user was at, as far as the new text still has it.
void TFindBar::FindAgain() {
    Mark();
    m_current = std::min(m_current, m_matches.empty() ? 0 : m_matches.size() - 1);
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

// F3 in the field or the text; Enter and Escape in the field.
bool TFindBar::eventFilter(QObject* watched, QEvent* event) {
    if ((watched != Field && watched != &m_view) || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool inField = watched == Field;
    if (inField && key->key() == Qt::Key_Escape)
        Close();
    else if (key->key() == Qt::Key_F3 || (inField && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)))
        key->modifiers() & Qt::ShiftModifier ? Previous() : Next();
    else
        return QWidget::eventFilter(watched, event);
    return true;
}
