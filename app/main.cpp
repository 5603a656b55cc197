// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    Startup::PrepareEnvironment(argc, argv);
    QApplication app(argc, argv);
    return Startup::Run(app);
}
