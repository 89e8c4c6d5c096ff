#pragma once

class QLineEdit;

namespace fw {

struct SettingField;

// A warning sign at the end of a field whose text the server would read otherwise (a line
// break, a double quote); its tooltip says why. The text itself is never changed.
namespace ValueWarningMark {
inline constexpr const char* kActionName = "valueWarning";
void install(QLineEdit* edit, const SettingField& field);
// Whether the edit shows its sign now.
bool isShown(const QLineEdit* edit);
} // namespace ValueWarningMark

} // namespace fw
