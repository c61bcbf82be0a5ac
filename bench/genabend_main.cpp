#include "abendloggenerator.h"

#include <cstdio>
#include <cstdlib>

// Writes a synthetic abend log: cartovex-genabend ENTRIES > ABEND.LOG
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cartovex-genabend ENTRIES\n");
        return 2;
    }
    const QByteArray bytes = abendloggen::generate(std::atoi(argv[1]));
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
