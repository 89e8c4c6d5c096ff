#pragma once

class QLineEdit;

namespace fw::PasswordToggle {

inline constexpr char kActionName[] = "actShowPassword";

// Masks a password field and puts a button at its end that shows or hides what it holds; the
// value itself is never touched.
void install(QLineEdit* edit);

} // namespace fw::PasswordToggle
