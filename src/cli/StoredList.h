#pragma once

#include "cli/CliSession.h"

#include <QList>
#include <QString>

namespace fw::cli {

// One list file of the data folder, read when made and written back on request.
template <typename Row> struct StoredList {
    using Reader = QList<Row> (*)(const QString&);
    using Writer = void (*)(const QString&, const QList<Row>&);

    StoredList(CliSession& session, const QString& fileName, Reader read, Writer write)
        : path(session.context().dataPath(fileName))
        , writer(write)
        , rows(read(path))
    {
    }
    void save() const { writer(path, rows); }

    const QString path;
    const Writer writer;
    QList<Row> rows;
};

} // namespace fw::cli
