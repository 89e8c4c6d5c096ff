#pragma once

#include <QString>
#include <exception>
#include <string>

namespace fw {

// The executable name that prefixes error sources, location texts and the error log's file name.
inline const QString kExecutableName = QStringLiteral("Fortwright");

// The one exception type of the core: a numbered error with its source and description, as the
// components raise them and ReportError shows them.
class FortwrightError : public std::exception {
public:
    FortwrightError(qint32 number, QString source, QString description);

    qint32 number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

    // "Fortwright." + class name, the source of every component error.
    static QString componentSource(const QString& className);
    // A standard-library or unexpected failure, turned into a numbered run-time error.
    static FortwrightError fromStd(const std::exception& e, const QString& source = kExecutableName);

private:
    qint32 m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};

// Run-time error numbers the application's own routines raise.
namespace RuntimeError {
inline constexpr qint32 InvalidProcedureCall = 5;
inline constexpr qint32 OutOfMemory = 7;
inline constexpr qint32 SubscriptOutOfRange = 9;
inline constexpr qint32 TypeMismatch = 13;
inline constexpr qint32 InternalError = 51;
inline constexpr qint32 FileNotFound = 53;
inline constexpr qint32 PermissionDenied = 70;
inline constexpr qint32 PathFileAccess = 75;
inline constexpr qint32 PathNotFound = 76;
} // namespace RuntimeError

} // namespace fw
