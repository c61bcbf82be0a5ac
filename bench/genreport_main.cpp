#include "reportgenerator.h"
#include "text/codepage.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cartovex-genreport MODULES [VOLUMES] [compact]\n");
        return 2;
    }
    reportgen::Shape shape;
    shape.modules = std::atoi(argv[1]);
    if (argc > 2) {
        shape.volumes = std::atoi(argv[2]);
    }
    shape.compact = argc > 3;
    const QByteArray bytes = codepage::encode(reportgen::generate(shape).join(QStringLiteral("\r\n")) +
                                              QStringLiteral("\r\n"));
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
