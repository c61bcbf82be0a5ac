#include "reportgenerator.h"
#include "text/codepage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cartovex-genreport MODULES [VOLUMES] [compact|random]...\n");
        return 2;
    }
    reportgen::Shape shape;
    shape.modules = std::atoi(argv[1]);
    if (argc > 2) {
        shape.volumes = std::atoi(argv[2]);
    }
    for (int k = 3; k < argc; ++k) {
        // "random": random names in random order; any other word: the compact form.
        if (std::strcmp(argv[k], "random") == 0) {
            shape.randomNames = true;
        } else {
            shape.compact = true;
        }
    }
    const QByteArray bytes = codepage::encode(
        reportgen::generate(shape).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
