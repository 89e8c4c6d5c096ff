// Leaks on purpose. In the sanitizer build it runs as a test that must fail: proof that the
// leak suppressions for system libraries still let the project's own leaks through.
#include <cstdio>
#include <cstdlib>

int main()
{
    void* volatile lost = std::malloc(64);
    std::printf("leaked %p\n", lost);
    lost = nullptr;
    return 0;
}
