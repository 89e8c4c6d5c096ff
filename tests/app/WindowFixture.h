#pragma once

#include "app/FrmMain.h"
#include "testkit/TestContext.h"

#include <QApplication>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

namespace fw::test {

// A main window over a fresh test context, under the offscreen platform.
class WindowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();

    // The named child of the main window, or of another window.
    template <typename T> T* find(const QString& name, const QObject* in = nullptr)
    {
        T* w = (in ? in : &window)->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // The one node of the Maps tab's tree with this text; map nodes are made as their archive opens.
    QTreeWidgetItem* mapNode(const QString& text);

    TestContext t;
    FrmMain window { t.context };
};

} // namespace fw::test
