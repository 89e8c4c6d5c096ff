#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::fputs("Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] COMMAND [ARGS...]\n", stderr);
    return 2;
}
