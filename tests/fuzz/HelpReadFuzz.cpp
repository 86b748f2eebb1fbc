// Reads arbitrary bytes as a help file the way the viewer does: open it,
// read its contents tree, then every object it lists. Any end but a return
// is a finding; so is a run past the reader's bounds of memory and time.

#include "ChmFile.h"
#include "Contents.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ChmFile file;
    if (!file.OpenBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))))
        return 0;
    ReadContents(QString::fromUtf8(file.Read(file.ContentsFile().isEmpty() ? "/toc.hhc" : file.ContentsFile())));
    for (const QByteArray& path : file.Paths())
        file.Read(QString::fromUtf8(path));
    return 0;
}
