#include "app/SpinField.h"

#include "profile/FieldValueRules.h"
#include "support/text/NumericText.h"

#include <QLineEdit>
#include <algorithm>

namespace fw {

SpinField::SpinField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinField::textEdited);
}

QString SpinField::text() const
{
    return lineEdit()->text();
}

void SpinField::setText(const QString& text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void SpinField::stepBy(int steps)
{
    const double current = leadingNumber(text());
    const double next = std::clamp(current + steps, double(m_minimum), double(m_maximum));
    setText(shortestDecimal(next));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const
{
    const double current = leadingNumber(text());
    StepEnabled enabled = StepNone;
    if (current < m_maximum)
        enabled |= StepUpEnabled;
    if (current > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State SpinField::validate(QString& input, int&) const
{
    return isNumberAsTyped(input) ? QValidator::Acceptable : QValidator::Invalid;
}

QSize SpinField::sizeHint() const
{
    QSize size = QAbstractSpinBox::sizeHint();
    const int digits = QString::number(m_maximum).size() + 2;
    size.setWidth(fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('9'))) + 36);
    return size;
}

} // namespace fw
