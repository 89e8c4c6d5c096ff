#pragma once

#include <QAbstractSpinBox>

namespace fw {

// A number field with arrows: the text is the value, as typed (a profile may hold -1 or 2.5);
// only the arrows keep within the range.
class SpinField : public QAbstractSpinBox {
    Q_OBJECT
public:
    SpinField(int minimum, int maximum, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;

signals:
    void textEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum;
    int m_maximum;
};

} // namespace fw
