// Every test program runs with a home and per-user folders of its own, so that no test can
// read or write the real user's settings, data or game folder, whatever it forgets to set.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/fortwright-test-home-XXXXXX"));
    if (!home.isValid()) {
        std::fputs("cannot create a temporary home folder\n", stderr);
        return 1;
    }
    const QByteArray root = QFile::encodeName(home.path());
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_STATE_HOME", root + "/.local/state");
    qunsetenv("FORTWRIGHT_HOME");
    qunsetenv("FORTWRIGHT_SETTINGS");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
