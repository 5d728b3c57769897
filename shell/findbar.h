#pragma once

#include "search/textfind.h"

#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QTextEdit;
class TRichDocument;

// Finds in a song window's text, folded as the library search folds (o finds
// ó, ö and ő; an accented letter only itself). Every match is marked on
// screen only: the document saved, copied or printed is untouched. F3 goes
// to the next match, Shift+F3 to the one before, in the bar and in the text
// (also after the bar is closed); Escape closes the bar.
class TFindBar : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFindBar)

public:
    TFindBar(QTextEdit& view, const TRichDocument& document, QWidget* parent);

    // Shown, with the field ready for typing.
    void Open();
    void Next();
    void Previous();
    // After the text was made anew: the matches found again, marked while the
    // bar is open, with the caret and the view left where they are.
    void FindAgain();

    QLineEdit* Field;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Find();
    void Mark();
    void Select(std::size_t match);
    void Close();

    QTextEdit& m_view;
    const TRichDocument& m_document;
    QLabel* m_count;
    std::vector<TTextRange> m_matches;
    std::size_t m_current = 0;
};
