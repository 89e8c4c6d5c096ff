#include "WindowFixture.h"

#include "app/Resources.h"

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

} // namespace fw::test
