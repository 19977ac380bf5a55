// Instrument replies straight into every reply parser: the first byte picks
// the parser (ReplyParsers), the rest is the reply text as the parser gets it.
// The parsers must take any bytes without a crash or a sanitizer report.

#include "FuzzApp.h"
#include "ReplyParsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzApp::start(argc, argv);
    ReplyParsers::all();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QList<FuzzParser> &parsers = ReplyParsers::all();
    const FuzzParser &parser = parsers.at(data[0] % parsers.size());
    parser.parse(QByteArray(reinterpret_cast<const char *>(data) + 1, int(size) - 1));
    return 0;
}
