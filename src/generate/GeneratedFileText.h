#pragma once

#include <QString>
#include <QStringList>

namespace fw {

class Clock;

// The ruler lines that frame the headers of the generated files.
inline const QString kSlashRule = QString(63, QLatin1Char('/'));
inline const QString kBatchRule = QString(63, QLatin1Char('#'));
inline const QString kShellRule = QString(61, QLatin1Char('#'));

// commentLead + "File Created On: " + the long date + " at " + the time, all of "now".
QString createdOnLine(const QString& commentLead, const Clock& clock);

// The framed header that most generated files open with: the ruler, the title, the ruler, who
// created the file (with the contact address), when, and the ruler again.
QStringList framedHeader(
    const QString& rule, const QString& title, const QString& commentLead, const Clock& clock);

// A game-variable line: "seta tag "value"".
QString setaLine(const QString& tag, const QString& value);
// sets "tag" "value": a server-info value of the configuration, the value as typed.
QString setsLine(const QString& tag, const QString& value);

} // namespace fw
