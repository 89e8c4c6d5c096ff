#include "server/rcon/StatusParsers.h"

#include <QRegularExpression>

namespace fw {

namespace {

const QRegularExpression kColourCode(QStringLiteral("\\^[0-9]"));

QString withoutColour(QString text)
{
    return text.remove(kColourCode);
}

// The columns of the table, by the names the servers print.
enum class Column { Slot, Score, Ping, Name, Address, Rate, Other };

Column columnNamed(const QString& header)
{
    static const QHash<QString, Column> kNames {
        { QStringLiteral("num"), Column::Slot },
        { QStringLiteral("cl"), Column::Slot },
        { QStringLiteral("score"), Column::Score },
        { QStringLiteral("ping"), Column::Ping },
        { QStringLiteral("name"), Column::Name },
        { QStringLiteral("address"), Column::Address },
        { QStringLiteral("rate"), Column::Rate },
    };
    return kNames.value(header.toLower(), Column::Other);
}

void setField(Player& player, Column column, const QString& value)
{
    switch (column) {
    case Column::Slot:
        player.slot = value.toInt();
        break;
    case Column::Score:
        player.score = value;
        break;
    case Column::Ping:
        player.ping = value;
        break;
    case Column::Name:
        player.name = value;
        break;
    case Column::Address:
        player.address = withoutColour(value);
        break;
    case Column::Rate:
        player.rate = value;
        break;
    case Column::Other:
        break;
    }
}

struct Word {
    qsizetype start;
    qsizetype end;
};

QList<Word> wordsOf(const QString& line)
{
    QList<Word> words;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !line.at(i).isSpace())
            ++i;
        if (i > start)
            words.append({ start, i });
    }
    return words;
}

std::optional<Player> tableRow(const QString& line, const QList<Column>& columns, qsizetype nameAt)
{
    const QList<Word> words = wordsOf(line);
    const qsizetype after = columns.size() - nameAt - 1;
    if (words.size() < columns.size() || !line.mid(words.first().start, 1).at(0).isDigit())
        return std::nullopt;
    Player player;
    for (qsizetype i = 0; i < nameAt; ++i)
        setField(player, columns.at(i), line.mid(words.at(i).start, words.at(i).end - words.at(i).start));
    const qsizetype firstAfter = words.size() - after;
    for (qsizetype i = 0; i < after; ++i) {
        const Word word = words.at(firstAfter + i);
        setField(player, columns.at(nameAt + 1 + i), line.mid(word.start, word.end - word.start));
    }
    const qsizetype nameStart = words.at(nameAt).start;
    const qsizetype nameEnd = after > 0 ? words.at(firstAfter).start : line.size();
    player.name = line.mid(nameStart, nameEnd - nameStart).trimmed();
    return player;
}

std::optional<Player> statusLine(const QString& line)
{
    const qsizetype open = line.indexOf(QLatin1Char('"'));
    const qsizetype close = line.lastIndexOf(QLatin1Char('"'));
    if (open < 0 || close <= open)
        return std::nullopt;
    const QStringList numbers = line.left(open).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (numbers.isEmpty() || numbers.size() > 2)
        return std::nullopt;
    Player player;
    player.name = line.mid(open + 1, close - open - 1);
    player.ping = numbers.constLast();
    if (numbers.size() == 2)
        player.score = numbers.constFirst();
    return player;
}

} // namespace

QString plainName(const QString& name)
{
    return withoutColour(name);
}

QString ServerStatus::variable(const QString& key) const
{
    for (const auto& [name, value] : variables) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

std::optional<ServerStatus> parseServerStatus(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() < 2 || lines.constFirst().trimmed() != QLatin1String("statusResponse"))
        return std::nullopt;
    ServerStatus status;
    const QStringList pairs = lines.at(1).split(QLatin1Char('\\'));
    // The line opens with a backslash: the first piece is empty.
    for (qsizetype i = 1; i + 1 < pairs.size(); i += 2)
        status.variables.append({ pairs.at(i), pairs.at(i + 1) });
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (const auto player = statusLine(lines.at(i)))
            status.players.append(*player);
    }
    return status;
}

std::optional<PlayerTable> parsePlayerTable(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    PlayerTable table;
    QList<Column> columns;
    qsizetype nameAt = -1;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("map:"))) {
            table.map = line.mid(4).trimmed();
        } else if (nameAt < 0) {
            const QStringList headers = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            columns.clear();
            for (const QString& header : headers)
                columns.append(columnNamed(header));
            nameAt = columns.indexOf(Column::Name);
            if (nameAt >= 0 && !columns.contains(Column::Slot))
                nameAt = -1;
        } else if (const auto player = tableRow(line, columns, nameAt)) {
            table.players.append(*player);
        }
    }
    if (nameAt < 0)
        return std::nullopt;
    return table;
}

} // namespace fw
