#pragma once

#include <QString>

namespace fw::test {

// Sockets, timers and processes need an application object; the first call makes one.
void ensureCoreApplication();

// A program of the project, built into bin beside the tests folder (or where
// FORTWRIGHT_TEST_BIN says); the test fails when it is not there.
QString builtProgram(const char* name);

} // namespace fw::test
