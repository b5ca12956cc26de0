// SPDX-License-Identifier: MIT
// The reference of the command line's start-up: a bare core application that prints one line.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::puts("unsigned char code seg_cc[]={0x74,0x79,0x38,0x38,0x5c};");
    return 0;
}
