#include "check/PreflightCheck.h"

#include "check/CheckRules.h"

#include <algorithm>

namespace fw {

QList<Finding> preflightCheck(const ServerProfile& profile, const CheckInputs& inputs)
{
    const RuleInput in { profile, inputs };
    QList<Finding> findings;
    for (const QList<CheckRule>& family : { configLineRules(), launchRules(), messageRules(), listRules() }) {
        for (CheckRule rule : family)
            rule(in, findings);
    }
    std::stable_sort(findings.begin(), findings.end(),
        [](const Finding& a, const Finding& b) { return int(a.severity) < int(b.severity); });
    return findings;
}

bool hasDanger(const QList<Finding>& findings)
{
    return std::any_of(findings.cbegin(), findings.cend(),
        [](const Finding& finding) { return finding.severity == Severity::Danger; });
}

} // namespace fw
