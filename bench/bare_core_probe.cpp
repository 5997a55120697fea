// The floor of a command-line answer: a bare Qt Core program that starts,
// prints one line and leaves.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    std::puts(qPrintable(QCoreApplication::applicationName()));
    return 0;
}
