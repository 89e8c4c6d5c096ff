#include "cli/ProfileCommands.h"

#include "check/ValueWarnings.h"
#include "cli/CliArguments.h"
#include "cli/CliProfile.h"
#include "cli/CliSession.h"
#include "profile/FieldValueRules.h"
#include "profile/ProfileFile.h"

#include <QDir>

namespace fw::cli {
namespace {

// The saved map-cycle path, shown and set under the name of the label that shows it.
const QString kSavedCycleName = QStringLiteral("lblPathToSavedMapcycle");
const QString kNoIndex = QStringLiteral("-");

class ProfileShowCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("profile", "show"); }
    bool onlyReadsData() const override { return true; }
    QString summary() const override
    {
        return QStringLiteral("print every setting: group, index, tag and value, TAB-separated");
    }
    QList<QCommandLineOption> options() const override { return { profileOption() }; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        const ServerProfile profile = loadProfileAt(
            profilePathFor(session, parser), parser.isSet(profileOption().names().constFirst()));
        QList<SettingGroup> optionSetsShown;
        for (const SettingField& f : SettingsCatalogue::fields()) {
            const GroupInfo& info = SettingsCatalogue::group(f.group);
            if (f.kind != FieldKind::Option) {
                print(session, info.name, info.isArray ? QString::number(f.index) : kNoIndex, f.tag,
                    oneLine(profile.value(f.group, f.index)));
                continue;
            }
            if (optionSetsShown.contains(f.group))
                continue;
            optionSetsShown.append(f.group);
            const int selected = profile.selected(f.group);
            print(session, info.name, kNoIndex, profile.selectedTag(f.group),
                selected < 0 ? QString() : QString::number(selected));
        }
        print(session, kSavedCycleName, kNoIndex, kNoIndex, profile.rotation.savedCyclePath);
    }

private:
    static void print(CliSession& session, const QString& group, const QString& index, const QString& tag,
        const QString& value)
    {
        session.out() << QStringList { group, index, tag, value }.join(QLatin1Char('\t')) << '\n';
    }
};

class ProfileSetCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("profile", "set"); }
    QString summary() const override
    {
        return QStringLiteral(
            "set one field (INDEX - for a single field or an option set) and save the profile");
    }
    QString argumentSyntax() const override { return QStringLiteral("GROUP INDEX VALUE"); }
    QList<QCommandLineOption> options() const override { return { profileOption() }; }
    int minArguments() const override { return 3; }
    int maxArguments() const override { return 3; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override
    {
        const QString path = profilePathFor(session, parser);
        ServerProfile profile = loadProfileAt(path, false);
        if (const SettingField* field = apply(profile, positional[0], positional[1], positional[2]))
            session.warn(fieldValueWarnings(*field, positional[2]));
        QString error;
        if (!ProfileFile::write(path, profile, &error))
            CliSession::fail(
                QStringLiteral("Unable to save %1: %2").arg(QDir::toNativeSeparators(path), error));
        session.out() << QDir::toNativeSeparators(path) << '\n';
    }

private:
    // The field set, or nothing for the saved map-cycle path and option sets.
    static const SettingField* apply(
        ServerProfile& profile, const QString& groupName, const QString& indexText, const QString& value)
    {
        if (groupName == kSavedCycleName) {
            requireNoIndex(groupName, indexText);
            profile.rotation.savedCyclePath = value;
            return nullptr;
        }
        SettingGroup group;
        if (!SettingsCatalogue::groupByName(groupName, group))
            CliSession::usage(QStringLiteral("Unknown group: %1").arg(groupName));
        const GroupInfo& info = SettingsCatalogue::group(group);
        if (info.encoding == ProfileEncoding::None)
            CliSession::fail(QStringLiteral("%1 is not kept in a profile").arg(groupName));
        if (info.kind == FieldKind::Option) {
            requireNoIndex(groupName, indexText);
            bool ok = false;
            const int member = value.toInt(&ok);
            if (!ok || !profile.select(group, member))
                CliSession::fail(QStringLiteral("%1 has no member %2 (0 to %3)")
                                     .arg(groupName, value)
                                     .arg(SettingsCatalogue::memberCount(group) - 1));
            return nullptr;
        }
        int index = -1;
        if (info.isArray) {
            bool ok = false;
            index = indexText.toInt(&ok);
            if (!ok || !SettingsCatalogue::field(group, index))
                CliSession::usage(QStringLiteral("%1 has no index %2").arg(groupName, indexText));
        } else {
            requireNoIndex(groupName, indexText);
        }
        const SettingField& field = *SettingsCatalogue::field(group, index);
        if (!fieldAcceptsText(field, value))
            CliSession::fail(
                QStringLiteral("%1 takes %2, not \"%3\"").arg(groupName, fieldTakes(field), value));
        profile.setValue(group, index, value);
        return &field;
    }

    static void requireNoIndex(const QString& groupName, const QString& indexText)
    {
        if (indexText != kNoIndex)
            CliSession::usage(QStringLiteral("%1 takes the index - (it has no members)").arg(groupName));
    }
};

} // namespace

void addProfileCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<ProfileShowCommand>());
    commands.push_back(std::make_unique<ProfileSetCommand>());
}

} // namespace fw::cli
