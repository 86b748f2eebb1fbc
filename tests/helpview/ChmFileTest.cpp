// The help reader on crafted copies of the help file the build makes:
// header fields that libmspack would compute with unchecked (a shift by
// the directory density, the declared length subtracted, the LZX reset
// interval multiplied) are refused before the library sees them.
#include "ChmFile.h"
#include "LibmspackGuard.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

QByteArray HelpFile()
{
    QFile file(QUILLO_SAMPLE_DIR "/quillo.chm");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint64_t Field64(const QByteArray& bytes, qsizetype at)
{
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

QByteArray With(QByteArray bytes, qsizetype at, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

bool Opens(const QByteArray& bytes)
{
    ChmFile file;
    return file.OpenBytes(bytes) && !file.Read(file.ContentsFile()).isEmpty();
}

} // namespace

TEST(ChmFile, FieldsLibmspackWouldMisuseAreRefusedFirst)
{
    const QByteArray help = HelpFile();
    ASSERT_TRUE(Opens(help));
    const auto section0 = static_cast<qsizetype>(Field64(help, 0x38));
    const auto directory = static_cast<qsizetype>(Field64(help, 0x48));
    const qsizetype control = help.indexOf("LZXC") - 4;
    ASSERT_GT(control, 0);

    EXPECT_FALSE(Opens(With(help, directory + 0x14, 512, 4))) << "density";
    EXPECT_FALSE(Opens(With(help, section0 + 0x08, uint64_t{1} << 63, 8))) << "file length";
    // A density of 2 is what compilers write.
    EXPECT_TRUE(Opens(With(help, directory + 0x14, 2, 4)));

    // The control data, version 2, counts in 32 KB frames.
    const QByteArray data = help.mid(control, 0x1C);
    ASSERT_TRUE(ControlDataInSafeRange(data));
    EXPECT_TRUE(ControlDataInSafeRange(With(With(data, 0x0C, 1, 4), 0x10, 64, 4)));
    EXPECT_FALSE(ControlDataInSafeRange(With(data, 0x0C, 0x10000, 4))) << "reset interval";
    EXPECT_FALSE(ControlDataInSafeRange(With(data, 0x0C, 0, 4))) << "no reset interval";
    EXPECT_FALSE(ControlDataInSafeRange(With(data, 0x10, 3, 4))) << "window size";
    EXPECT_FALSE(ControlDataInSafeRange(With(data, 0x08, 3, 4))) << "version";
    EXPECT_TRUE(ControlDataInSafeRange(With(With(With(data, 0x08, 1, 4), 0x0C, 0x10000, 4), 0x10, 0x8000, 4)));
    EXPECT_FALSE(Opens(help.left(control) + With(data, 0x0C, 0x10000, 4) + help.mid(control + 0x1C)));
}
