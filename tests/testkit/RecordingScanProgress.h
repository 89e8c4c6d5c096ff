#pragma once

#include "maps/ScanProgress.h"

#include <QStringList>

namespace fw::test {

// Records the progress calls of a scan as short texts: "show", "maximum 3", "value 1",
// "file Scanning x.pk3 ....", "hide".
class RecordingScanProgress : public ScanProgress {
public:
    void show() override { calls.append(QStringLiteral("show")); }
    void setMaximum(int maximum) override { calls.append(QStringLiteral("maximum %1").arg(maximum)); }
    void setValue(int value) override { calls.append(QStringLiteral("value %1").arg(value)); }
    void setCurrentFile(const QString& text) override { calls.append(QStringLiteral("file ") + text); }
    void hide() override { calls.append(QStringLiteral("hide")); }

    QStringList calls;
};

} // namespace fw::test
