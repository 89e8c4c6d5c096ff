#include "WindowFixture.h"

#include "app/MapsPage.h"
#include "app/Resources.h"

#include <QTreeWidget>

namespace fw::test {
namespace {
int argc = 1;
char arg0[] = "test_app";
char* argv[] = { arg0, nullptr };
} // namespace

void WindowFixture::SetUpTestSuite()
{
    if (!QApplication::instance())
        new QApplication(argc, argv);
    initResources();
}

QTreeWidgetItem* WindowFixture::mapNode(const QString& text)
{
    QTreeWidget* tree = window.mapsPage()->tree();
    tree->expandAll();
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << text.toStdString();
    return found.value(0);
}

} // namespace fw::test
