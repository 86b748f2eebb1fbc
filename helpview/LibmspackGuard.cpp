#include "LibmspackGuard.h"

#include <cstdint>

namespace {

// Where each field is, as the file format has them.
constexpr qsizetype kHeaderSection0Offset = 0x38;
constexpr qsizetype kDirectoryOffset = 0x48;
constexpr qsizetype kSection0FileLength = 0x08;
constexpr qsizetype kDirectoryDensity = 0x14;
constexpr qsizetype kControlSignature = 0x04;
constexpr qsizetype kControlVersion = 0x08;
constexpr qsizetype kControlResetInterval = 0x0C;
constexpr qsizetype kControlWindowSize = 0x10;
constexpr qsizetype kControlSize = 0x1C;
constexpr uint32_t kFrameSize = 0x8000;

// Help compilers write a density of 2; anything from 31 up is a shift
// past an int.
constexpr uint32_t kLargestDensity = 16;
// Compilers reset every frame or two; with the reader's 256 MB bound on
// objects, this many frames keeps libmspack's frame arithmetic in an int.
constexpr uint32_t kLargestResetFrames = 4096;

// A little-endian field, or nothing where it would run past the end.
template <typename Unsigned>
bool Field(const QByteArray& bytes, qsizetype at, Unsigned& value)
{
    if (at < 0 || at > bytes.size() - static_cast<qsizetype>(sizeof(Unsigned)))
        return false;
    value = 0;
    for (auto i = static_cast<qsizetype>(sizeof(Unsigned)); i-- > 0;)
        value = static_cast<Unsigned>(value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return true;
}

bool IsWindowSize(uint32_t bytes)
{
    for (uint32_t size = 0x8000; size <= 0x200000; size <<= 1)
        if (bytes == size)
            return true;
    return false;
}

} // namespace

bool HeadersInSafeRange(const QByteArray& file)
{
    uint64_t section0 = 0;
    uint64_t length = 0;
    if (Field(file, kHeaderSection0Offset, section0) && section0 < static_cast<uint64_t>(file.size()) &&
        Field(file, static_cast<qsizetype>(section0) + kSection0FileLength, length) && length > INT64_MAX / 2)
        return false;
    uint64_t directory = 0;
    uint32_t density = 0;
    return !(Field(file, kDirectoryOffset, directory) && directory < static_cast<uint64_t>(file.size()) &&
             Field(file, static_cast<qsizetype>(directory) + kDirectoryDensity, density) && density > kLargestDensity);
}

bool ControlDataInSafeRange(const QByteArray& controlData)
{
    uint32_t version = 0;
    uint32_t reset = 0;
    uint32_t window = 0;
    if (controlData.size() != kControlSize || controlData.mid(kControlSignature, 4) != "LZXC" ||
        !Field(controlData, kControlVersion, version) || !Field(controlData, kControlResetInterval, reset) ||
        !Field(controlData, kControlWindowSize, window))
        return false;
    // Version 2 counts in frames, version 1 in bytes.
    if (version == 2 && reset <= kLargestResetFrames && window <= 0x200000 / kFrameSize) {
        reset *= kFrameSize;
        window *= kFrameSize;
    } else if (version != 1) {
        return false;
    }
    return IsWindowSize(window) && reset != 0 && reset % kFrameSize == 0 && reset / kFrameSize <= kLargestResetFrames;
}
