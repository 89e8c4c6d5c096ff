// Bytes as a profile file: reading never fails on what the file holds, and the profile read
// writes back into a file that reads as the same profile. Only blanks around a text may go: a
// value cut at a NUL can end in one, which the file cannot keep; after one round the profile
// holds still.
#include "FuzzKit.h"
#include "profile/ProfileFile.h"
#include "profile/ServerProfile.h"
#include "profile/SettingsCatalogue.h"
#include "support/ini/IniDocument.h"

using namespace fw;

namespace {

enum class Blanks { Kept, Ignored };

QString differences(const ServerProfile& a, const ServerProfile& b, Blanks blanks)
{
    const auto seen
        = [blanks](const QString& value) { return blanks == Blanks::Ignored ? trimIniBlanks(value) : value; };
    QStringList out;
    for (const SettingField& field : SettingsCatalogue::fields())
        if (seen(a.value(field.id())) != seen(b.value(field.id())))
            out << QStringLiteral("%1: '%2' vs '%3'")
                       .arg(field.tag, a.value(field.id()), b.value(field.id()));
    for (const GroupInfo& group : SettingsCatalogue::groups())
        if (a.selected(group.group) != b.selected(group.group))
            out << QStringLiteral("selection of %1").arg(group.name);
    if (a.rotation.savedCyclePath != b.rotation.savedCyclePath)
        out << QStringLiteral("saved cycle '%1' vs '%2'")
                   .arg(a.rotation.savedCyclePath, b.rotation.savedCyclePath);
    return out.join(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Session& session = fuzz::Session::instance();
    ServerProfile read;
    ProfileFile::read(session.put(QStringLiteral("Default.ini"), fuzz::bytesOf(data, size)), read);

    const auto roundTrip = [&session](const ServerProfile& profile) {
        const QString again = session.dataFile(QStringLiteral("again.ini"));
        QString error;
        fuzz::check(ProfileFile::write(again, profile, &error), "a profile read can be written", error);
        ServerProfile reread;
        ProfileFile::read(again, reread);
        return reread;
    };
    const ServerProfile once = roundTrip(read);
    QString differ = differences(read, once, Blanks::Ignored);
    fuzz::check(differ.isEmpty(), "the profile written back reads as the same profile", differ);
    differ = differences(once, roundTrip(once), Blanks::Kept);
    fuzz::check(differ.isEmpty(), "a profile written back twice reads the same both times", differ);
    return 0;
}
