#pragma once
// What the fuzz targets share: a scratch folder for the bytes under test, a session whose dialogs
// answer by default and whose services do nothing, and a check that aborts with a message so
// that libFuzzer keeps the input.

#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/platform/Clock.h"
#include "support/platform/PlatformServices.h"
#include "support/platform/Prompter.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace fw::fuzz {

QByteArray bytesOf(const uint8_t* data, size_t size);

// Aborts, naming what differs, so that the input is kept as a crash.
[[noreturn]] void fail(const char* what, const QString& detail = QString());
inline void check(bool holds, const char* what, const QString& detail = QString())
{
    if (!holds)
        fail(what, detail);
}

class QuietPrompter : public Prompter {
public:
    Answer show(const MessageBox& box) override { return box.defaultAnswer; }
    QString chooseFile(const FileDialogRequest&) override { return QString(); }
};

class NoServices : public PlatformServices {
public:
    bool startDetached(const QString&, const QStringList&, const QString&, QString*) override
    {
        return false;
    }
    bool openDocument(const QString&) override { return false; }
    bool openUrl(const QString&) override { return false; }
    QString computerName() const override { return QStringLiteral("fuzz"); }
    QString findExecutable(const QString&) const override { return QString(); }
};

// A data folder and a game folder with its Main folder, made once per process under the system's
// temporary folder and removed at exit.
class Session {
public:
    static Session& instance();
    AppContext& context() { return m_context; }
    QString dataFile(const QString& name) const { return m_context.dataPath(name); }
    // Writes the bytes whole to a file of the data folder and returns its path.
    QString put(const QString& name, const QByteArray& bytes) const;

private:
    Session();
    QTemporaryDir m_root;
    QuietPrompter m_prompter;
    NoServices m_services;
    Clock m_clock;
    ErrorReporter m_errors;
    AppContext m_context;
};

} // namespace fw::fuzz
