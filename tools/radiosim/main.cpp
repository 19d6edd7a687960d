// A simulated radio on a pseudo-terminal, for trying the program by hand:
// it prints the terminal's path; start the program with that path mapped to
// a COM port (ZX4100_COM1=<path> scripts/run) and read, write, ask for the
// radio information or enter test mode as with a radio on a cable.
//
// The radio holds the default image of the default model, its sixteen test
// channels agree with that image, and its tuning block holds byte p = p.
#include <cstdio>

#include <QCoreApplication>

#include "common/ImageFixtures.h"
#include "sim/PtyRadio.h"
#include "testmode/TestModeRadio.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    zx::test::PtyRadio sim;
    if (!sim.ok()) {
        std::fprintf(stderr, "radiosim: no pseudo-terminal could be opened\n");
        return 1;
    }
    zx::test::PrepareTestModeRadio(sim.radio, zx::test::DefaultFor(0x21, 0xF8));

    std::printf("%s\n", sim.slavePath().toLocal8Bit().constData());
    std::fflush(stdout);
    return app.exec();
}
