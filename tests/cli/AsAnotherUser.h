#pragma once

#include "CliRun.h"

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fw::test {

// Permissions stop only other users: as root the tool runs as nobody, through setpriv.
struct AsAnotherUser : CliFolders {
    const bool root = ::geteuid() == 0;
    const QString setpriv = QStringLiteral("/usr/bin/setpriv");
    QString program = dir.filePath(QStringLiteral("fortwright-cli"));

    void SetUp() override
    {
        if (root && !QFileInfo::exists(setpriv))
            GTEST_SKIP() << "running as root without setpriv to drop to another user";
        QFile::setPermissions(dir.path(),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                | QFileDevice::ExeOther);
        ASSERT_TRUE(QFile::copy(builtProgram("fortwright-cli"), program));
    }

    void handOver(const QString& path, QFileDevice::Permissions mode) const
    {
        if (root) {
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        }
        QFile::setPermissions(path, mode);
    }

    CliResult run(const QStringList& command) const
    {
        const QStringList arguments = inFolders(command);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("FORTWRIGHT_SETTINGS"), data + QStringLiteral("/registry.json"));
        if (!root)
            return runProcess(arguments, program, env);
        return runProcess(QStringList { QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups"), program }
                + arguments,
            setpriv, env);
    }
};

} // namespace fw::test
