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
    const QString setpriv = u"/usr/bin/setpriv"_s;
    QString program = dir.filePath(u"fortwright-cli"_s);

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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, dir.path());
        env.insert(u"FORTWRIGHT_SETTINGS"_s, data + u"/registry.json"_s);
        if (!root)
            return runProcess(inFolders(command), program, env);
        return runProcess(
            QStringList { "--reuid=65534", "--regid=65534", "--clear-groups", program } + inFolders(command),
            setpriv, env);
    }
};

} // namespace fw::test
