// What every program linked with the Qt GUI library pays before its first
// line runs: the libraries found, mapped and relocated. It does nothing more,
// so beside the resave floor it shows the part of the command-line tool's
// time no change of ours can take away.
#include <QGuiApplication>

int main(int argc, char** argv) {
    // Never taken when measured; the call keeps the library a real dependency.
    if (argc > 1 && QGuiApplication::platformName().isEmpty()) return 1;
    (void)argv;
    return 0;
}
