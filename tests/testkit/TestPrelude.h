#pragma once

// What every test file of the layer suites starts from, compiled once per suite: the framework,
// the strings and the names of the code under test and of the kit.
#include "profile/SettingGroup.h"

#include <QString>
#include <gtest/gtest.h>

namespace fw::test {
}

using namespace fw;
using namespace fw::test;
using namespace Qt::StringLiterals;
using G = fw::SettingGroup;
