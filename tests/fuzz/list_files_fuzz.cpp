// Bytes as one of the grid list files (the first byte says which): reading never fails on what a
// file holds, and the rows read are the rows a write of them reads back.
#include "FuzzKit.h"
#include "profile/ListFiles.h"
#include "profile/ProfileLists.h"
#include "support/errors/FortwrightError.h"

using namespace fw;

namespace {

template <typename Rows, typename Read, typename Write>
void roundTrip(const QString& path, Read read, Write write, const char* what)
{
    const Rows rows = read(path);
    write(path, rows);
    fuzz::check(read(path) == rows, what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    fuzz::Session& session = fuzz::Session::instance();
    const QByteArray bytes = fuzz::bytesOf(data + 1, size - 1);
    try {
        switch (data[0] % 4) {
        case 0:
            roundTrip<QList<BanEntry>>(session.put(kBannedListFile, bytes), ListFiles::readBans,
                ListFiles::writeBans, "the ban list written back");
            break;
        case 1: {
            const QString path = session.put(kConfigListFile, bytes);
            fuzz::check(ListFiles::readConfigs(path).size() == kAdditionalConfigRows,
                "the configuration grid always has its rows");
            roundTrip<QList<AdditionalConfig>>(
                path, ListFiles::readConfigs, ListFiles::writeConfigs, "the configuration list written back");
            break;
        }
        case 2:
            roundTrip<QList<RotationRow>>(session.put(kRotationListFile, bytes), ListFiles::readRotation,
                ListFiles::writeRotation, "the rotation written back");
            break;
        case 3: {
            const QString path = session.put(kWizardGridFile, bytes);
            const QString text = ListFiles::readMessage(path);
            ListFiles::writeMessage(path, text);
            fuzz::check(ListFiles::readMessage(path) == text + QStringLiteral("\r\n"),
                "the message written back, one line end added");
            roundTrip<QList<RotationRow>>(
                path, ListFiles::readRotation, ListFiles::writeRotation, "the wizard grid written back");
            break;
        }
        }
    } catch (const FortwrightError& error) {
        fuzz::fail("a list file in a writable folder failed", error.description());
    }
    return 0;
}
