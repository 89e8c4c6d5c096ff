#pragma once

#include "app/FrmMain.h"
#include "testkit/TestContext.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace fw::test {

// A main window over a fresh test context, under the offscreen platform.
class WindowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();

    template <typename T> T* find(const QString& name)
    {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    TestContext t;
    FrmMain window { t.context };
};

} // namespace fw::test
