#pragma once

#include <QString>

namespace fw {

// The progress window of a map scan as the scanner drives it: the window's scanner form shows a
// bar and the current file, the command line prints to the terminal.
class ScanProgress {
public:
    virtual ~ScanProgress() = default;

    virtual void show() = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void setCurrentFile(const QString& text) = 0;
    virtual void hide() = 0;
};

// A scan that shows nothing: benchmarks and tests.
class SilentScanProgress : public ScanProgress {
public:
    void show() override { }
    void setMaximum(int) override { }
    void setValue(int) override { }
    void setCurrentFile(const QString&) override { }
    void hide() override { }
};

} // namespace fw
