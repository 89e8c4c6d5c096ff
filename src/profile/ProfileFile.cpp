#include "profile/ProfileFile.h"

#include "profile/DmFlags.h"
#include "profile/FieldValueRules.h"
#include "profile/ProfileLayout.h"
#include "profile/ProfileTextCodec.h"
#include "profile/ServerProfile.h"
#include "support/errors/FortwrightError.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/ini/CIniFile.h"
#include "support/ini/IniDocument.h"
#include "support/ini/IniReads.h"
#include "support/text/AnsiCodec.h"
#include "support/text/NumericText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace fw {
namespace {

// A stored integer. Values beyond 16 bits were saved as plain decimal text, which the numeric
// read refuses, so they are read again as text.
qint64 readInteger(const CIniFile& ini, const ProfileKey& k)
{
    try {
        return ini.GetNumericValue(k.section, k.key);
    } catch (const FortwrightError& e) {
        if (e.number() != IniFileError::ComponentFailure)
            throw;
        return profileInteger(ini.GetStringValue(k.section, k.key));
    }
}

// A field that refuses the text (a port with letters) keeps its value.
void offerText(ServerProfile& profile, SettingGroup group, int index, const QString& text)
{
    const SettingField* field = SettingsCatalogue::field(group, index);
    if (field && fieldAcceptsText(*field, text))
        profile.setValue(group, index, text);
}

void applyKey(const CIniFile& ini, const ProfileKey& k, ServerProfile& profile, bool& cycleKept)
{
    if (!k.group) {
        const QString path = ini.GetStringValue(k.section, k.key);
        cycleKept = !path.isEmpty() && QFileInfo(path).isFile();
        profile.rotation.savedCyclePath = cycleKept ? path : QString();
        return;
    }
    switch (k.encoding) {
    case ProfileEncoding::AdminText:
    case ProfileEncoding::MasterText:
        offerText(profile, *k.group, k.index, decodeStoredText(ini.GetStringValue(k.section, k.key)));
        return;
    case ProfileEncoding::PlainText:
        offerText(profile, *k.group, k.index, ini.GetStringValue(k.section, k.key));
        return;
    case ProfileEncoding::OptionIndex:
        profile.select(*k.group, ini.GetNumericValue(k.section, k.key));
        return;
    case ProfileEncoding::Integer:
    case ProfileEncoding::CheckValue: {
        const qint64 value = readInteger(ini, k);
        const SettingField* field = SettingsCatalogue::field(*k.group, k.index);
        if (field && fieldAcceptsNumber(*field, value))
            profile.setValue(*k.group, k.index, QString::number(value));
        return;
    }
    case ProfileEncoding::None:
        return;
    }
}

void writeInteger(CIniFile& ini, const ProfileKey& k, const QString& text)
{
    const std::optional<qint64> value = integerHalfEven(text);
    if (!value)
        return;
    if (*value >= std::numeric_limits<qint16>::min() && *value <= std::numeric_limits<qint16>::max())
        ini.SaveNumericValue(k.section, k.key, qint16(*value));
    else
        ini.SaveStringValue(k.section, k.key, QString::number(*value));
}

bool holdsOnlyAnsi(const ServerProfile& profile)
{
    const QList<SettingField>& fields = SettingsCatalogue::fields();
    return isAnsiRepresentable(profile.rotation.savedCyclePath)
        && std::all_of(fields.cbegin(), fields.cend(), [&](const SettingField& field) {
               return field.kind != FieldKind::Text || isAnsiRepresentable(profile.value(field.id()));
           });
}

void writeKey(CIniFile& ini, const ProfileKey& k, const ServerProfile& profile)
{
    if (!k.group) {
        ini.SaveStringValue(k.section, k.key, profile.rotation.savedCyclePath);
        return;
    }
    switch (k.encoding) {
    case ProfileEncoding::AdminText:
        ini.SaveStringValue(k.section, k.key, encodeAdminText(profile.text(*k.group, k.index)));
        return;
    case ProfileEncoding::MasterText:
    case ProfileEncoding::PlainText:
        ini.SaveStringValue(k.section, k.key, profile.text(*k.group, k.index));
        return;
    case ProfileEncoding::OptionIndex:
        if (profile.selected(*k.group) >= 0)
            ini.SaveNumericValue(k.section, k.key, qint16(profile.selected(*k.group)));
        return;
    case ProfileEncoding::Integer:
    case ProfileEncoding::CheckValue:
        writeInteger(ini, k, profile.value(*k.group, k.index));
        return;
    case ProfileEncoding::None:
        return;
    }
}

} // namespace

ProfileReadResult ProfileFile::read(const QString& path, ServerProfile& profile)
{
    ProfileReadResult result;
    QFile file(path);
    if (!openRegularFile(file, &result.failure))
        return result;
    // One read of the file serves every key.
    const auto ini = CIniFile::inMemory(IniDocument(file.readAll()));
    result.fileRead = true;
    for (const ProfileKey& k : profileKeys()) {
        try {
            applyKey(*ini, k, profile, result.resetCycleAvailable);
        } catch (const FortwrightError&) {
            // A key that cannot be read leaves its field; the next key goes on.
        }
    }
    // The sum field is kept in no key: it shows the boxes just read, as a click on one would.
    profile.setValue(SettingGroup::txtDMFlags, dmFlagsText(profile));
    return result;
}

bool ProfileFile::write(const QString& path, const ServerProfile& profile, QString* error)
{
    // The whole profile is built in memory and replaces the old file in one write, so a failure
    // anywhere leaves the old profile as it was. A text the code page lacks would be saved as
    // "?": such a profile is saved as UTF-8 behind a byte-order mark, which the reader takes.
    const auto ini = CIniFile::inMemory(IniDocument(holdsOnlyAnsi(profile) ? QByteArray() : kUtf8Mark));
    try {
        for (const ProfileKey& k : profileKeys())
            writeKey(*ini, k, profile);
        writeFileWhole(path, ini->heldDocument().bytes());
    } catch (const FortwrightError& e) {
        if (error)
            *error = e.description();
        return false;
    }
    return true;
}

} // namespace fw
