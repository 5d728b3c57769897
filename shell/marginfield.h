#pragma once

#include <QAbstractSpinBox>

// A margin in millimetres: a whole number with no bounds. Whatever text the
// field holds, its value is that text read as a stored integer, or 0; the
// arrows add or take one. Typing accepts digits, signs and the decimal
// separator only; pasting accepts anything.
class TMarginField : public QAbstractSpinBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMarginField)

public:
    explicit TMarginField(QWidget* parent);

    int Value() const;
    void SetValue(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
};
