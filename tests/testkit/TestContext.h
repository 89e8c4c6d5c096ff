#pragma once

#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "testkit/FakeClock.h"
#include "testkit/FakePlatformServices.h"
#include "testkit/QtPrinters.h"
#include "testkit/ScriptedPrompter.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace fw::test {

// A fresh data folder, game folder (with Main) and settings store path in a temporary directory,
// the scripted prompter, the recording services, a clock that stands still and a reporter: everything a
// workflow needs.
struct TestContext {
    TestContext();

    QTemporaryDir root;
    ScriptedPrompter prompter;
    FakePlatformServices services;
    FakeClock clock;
    ErrorReporter errors;
    AppContext context;

    QString dataFile(const QString& name) const { return context.dataPath(name); }
    QString mainFile(const QString& name) const { return context.mainFile(name); }
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// A file last written the given number of seconds ago, as a save cut short leaves its temporary.
void writeAged(const QString& path, qint64 ageSeconds);
// CR LF after every line, as every generated file has it.
QByteArray crlfLines(std::initializer_list<const char*> lines);

} // namespace fw::test
