#include "server/rcon/RconExchange.h"

#include <QEventLoop>

namespace fw {

namespace {

RconReply waitFor(RconClient& client, const std::function<quint64()>& ask)
{
    QEventLoop loop;
    RconReply result;
    quint64 id = 0;
    const auto connection
        = QObject::connect(&client, &RconClient::answered, &loop, [&](const RconReply& reply) {
              if (reply.id != id)
                  return;
              result = reply;
              loop.quit();
          });
    id = ask();
    loop.exec();
    QObject::disconnect(connection);
    return result;
}

} // namespace

RconReply commandAndWait(RconClient& client, const QString& command)
{
    return waitFor(client, [&] { return client.command(command); });
}

RconReply queryAndWait(RconClient& client, const QString& query)
{
    return waitFor(client, [&] { return client.query(query); });
}

} // namespace fw
