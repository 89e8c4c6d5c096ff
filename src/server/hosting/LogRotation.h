#pragma once

#include <QString>

namespace fw {

// When the log is larger than limit bytes: log.(keep-1) becomes log.keep, ..., log becomes log.1
// by copy, then the log is emptied. Copy and truncate, not rename, because the server keeps
// writing to the file it was given; it opened it for appending, so its next line lands at the
// new start. True when it rotated.
bool rotateLogIfLarge(const QString& logPath, qint64 limit, int keep);

} // namespace fw
