#pragma once

#include "check/PreflightCheck.h"

namespace fw {

struct SettingField;

// What every rule is handed: the profile, the optional inputs and the list to add findings to.
struct RuleInput {
    const ServerProfile& profile;
    const CheckInputs& inputs;
};
using CheckRule = void (*)(const RuleInput& in, QList<Finding>& out);

// The rules of each family, in the order their findings are listed within a severity.
QList<CheckRule> configLineRules();
QList<CheckRule> messageRules();
QList<CheckRule> listRules();
QList<CheckRule> launchRules();

// The rules that look at one text field on its own (a line break, a double quote), as typed.
QList<Finding> fieldValueFindings(const SettingField& field, const QString& value);

// How a field is named in a finding: its caption without accelerator or colon, or the server's
// name for it when the caption is only a number ("1.").
QString fieldName(const SettingField& field);

Finding fieldFinding(Severity severity, FieldId id, const QString& what, const QString& fix);

} // namespace fw
