#include "support/errors/FortwrightError.h"

namespace fw {

FortwrightError::FortwrightError(qint32 number, QString source, QString description)
    : m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description))
    , m_what(QStringLiteral("%1 (%2): %3").arg(m_number).arg(m_source, m_description).toStdString())
{
}

QString FortwrightError::componentSource(const QString& className)
{
    return kExecutableName + QLatin1Char('.') + className;
}

FortwrightError FortwrightError::fromStd(const std::exception& e, const QString& source)
{
    if (auto* own = dynamic_cast<const FortwrightError*>(&e))
        return *own;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return { RuntimeError::OutOfMemory, source, QStringLiteral("Out of memory") };
    return { RuntimeError::InternalError, source, QString::fromLocal8Bit(e.what()) };
}

} // namespace fw
