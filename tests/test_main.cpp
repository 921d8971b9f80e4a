// Engine tests need QtCore's application object only: no display.
//
// Started as "tsl_tests --hold-instance-lock PATH", the binary is instead the
// other process of the single-instance tests: it takes the lock, prints
// "held" or "refused", and keeps the lock until its standard input closes.
#include "mainwindow/single_instance.h"

#include <QCoreApplication>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

int holdInstanceLock(const char* path)
{
    tsl::SingleInstance instance(QString::fromLocal8Bit(path));
    std::puts(instance.tryAcquire() ? "held" : "refused");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-instance-lock") == 0)
        return holdInstanceLock(argv[2]);
    // The tests read English texts whatever the machine's language (also in
    // the tsl-cli they start); the test of the translations asks for German.
    qputenv("LANGUAGE", "en");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
