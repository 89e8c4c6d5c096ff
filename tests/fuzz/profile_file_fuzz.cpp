// Bytes as a profile file: reading never fails on what the file holds, keeps every field in its
// range, and the profile read writes back into a file that reads as the same profile.
#include "FuzzKit.h"
#include "profile/ProfileFile.h"
#include "profile/ServerProfile.h"
#include "profile/SettingsCatalogue.h"

using namespace fw;

namespace {

QString differences(const ServerProfile& a, const ServerProfile& b)
{
    QStringList out;
    for (const SettingField& field : SettingsCatalogue::fields())
        if (a.value(field.id()) != b.value(field.id()))
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

    const QString again = session.dataFile(QStringLiteral("again.ini"));
    QString error;
    fuzz::check(ProfileFile::write(again, read, &error), "a profile read can be written", error);
    ServerProfile reread;
    ProfileFile::read(again, reread);
    const QString differ = differences(read, reread);
    fuzz::check(differ.isEmpty(), "the profile written back reads as the same profile", differ);
    return 0;
}
