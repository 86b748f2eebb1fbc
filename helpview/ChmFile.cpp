#include "ChmFile.h"

#include "LibmspackGuard.h"

#include "afx/RegularFile.h"

#include <QFile>

#include <mspack.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
// Entries of the #SYSTEM object: a 16-bit code, a 16-bit length, the data.
constexpr int kContentsCode = 0;
constexpr int kDefaultTopicCode = 2;
constexpr int kTitleCode = 3;

constexpr qint64 kLargestFile = 64 << 20;
constexpr size_t kAllocationBudget = 64u << 20;
constexpr off_t kLargestObject = 16 << 20;
constexpr off_t kFarthestObjectEnd = 256 << 20;
constexpr qint64 kDecompressionBudget = qint64(1) << 30;

// The names the decompressor is given for the help file and for the one
// object being extracted; nothing else opens.
const char* const kInputName = "help-file";
const char* const kOutputName = "object";
const char* const kControlData = "::DataSpace/Storage/MSCompressed/ControlData";

QString Text(const QByteArray& data)
{
    const int end = data.indexOf('\0');
    return QString::fromLatin1(end < 0 ? data : data.left(end));
}

// Only an ordinary file is read: a pipe or a device could never end.
bool ReadWholeFile(const QString& path, QByteArray& bytes)
{
    afx::RegularFile file;
    std::string read;
    if (file.Open(QFile::encodeName(path).constData()) != afx::RegularFile::Fault::none ||
        file.ReadAll(kLargestFile, read) != afx::RegularFile::Fault::none)
        return false;
    bytes = QByteArray::fromStdString(read);
    return true;
}

// Free Pascal's chmcmd, which compiles our help, writes the header's first
// GUID where its second belongs; HTML Help reads such files, and libmspack,
// which checks both, would not.
void MendChmcmdHeader(QByteArray& bytes)
{
    constexpr qsizetype kFirstGuid = 0x18;
    constexpr qsizetype kSecondGuid = 0x28;
    constexpr qsizetype kGuidSize = 16;
    if (bytes.size() < kSecondGuid + kGuidSize || !bytes.startsWith("ITSF"))
        return;
    if (bytes.mid(kFirstGuid, kGuidSize) == bytes.mid(kSecondGuid, kGuidSize) &&
        static_cast<unsigned char>(bytes[kSecondGuid]) == 0x10)
        bytes[kSecondGuid] = 0x11;
}

} // namespace

// libmspack's file access and memory, served from memory and counted: the
// help file is a byte array, an extracted object another, allocations stop
// at the budget.
class ChmFile::Reader {
public:
    explicit Reader(QByteArray bytes) : m_bytes(std::move(bytes))
    {
        m_system.base.open = &Reader::OpenFile;
        m_system.base.close = &Reader::CloseFile;
        m_system.base.read = &Reader::ReadFile;
        m_system.base.write = &Reader::WriteFile;
        m_system.base.seek = &Reader::SeekFile;
        m_system.base.tell = &Reader::TellFile;
        m_system.base.message = &Reader::Message;
        m_system.base.alloc = &Reader::Allocate;
        m_system.base.free = &Reader::Free;
        m_system.base.copy = &Reader::Copy;
        m_system.base.null_ptr = nullptr;
        const Active active(this);
        m_decompressor = mspack_create_chm_decompressor(&m_system.base);
        if (m_decompressor != nullptr)
            m_header = m_decompressor->open(m_decompressor, kInputName);
    }
    ~Reader()
    {
        const Active active(this);
        if (m_header != nullptr)
            m_decompressor->close(m_decompressor, m_header);
        if (m_decompressor != nullptr)
            mspack_destroy_chm_decompressor(m_decompressor);
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    mschmd_header* Header() const { return m_header; }

    // Read before any compressed object is: libmspack reads it then.
    bool ControlDataInSafeRange()
    {
        for (mschmd_file* object = m_header->sysfiles; object != nullptr; object = object->next)
            if (object->filename != nullptr && std::strcmp(object->filename, kControlData) == 0)
                return ::ControlDataInSafeRange(Extract(object));
        return true;
    }

    QByteArray Extract(mschmd_file* object)
    {
        // The header's figures are checked before any sum of them, which
        // a crafted file could make overflow.
        off_t end = 0;
        if (object->length < 0 || object->length > kLargestObject || object->offset < 0 ||
            __builtin_add_overflow(object->offset, object->length, &end) || end > kFarthestObjectEnd ||
            end > kDecompressionBudget - m_decompressed)
            return QByteArray();
        m_decompressed += end;
        m_output = QByteArray();
        m_output.reserve(static_cast<qsizetype>(object->length));
        m_outputLimit = object->length;
        const Active active(this);
        if (m_decompressor->extract(m_decompressor, object, kOutputName) != MSPACK_ERR_OK)
            return QByteArray();
        return m_output.isNull() ? QByteArray("") : m_output;
    }

private:
    // libmspack hands copies of the system it was given to its parts, so
    // which reader a call serves is known from the call into the library.
    struct System {
        mspack_system base;
    };
    class Active {
    public:
        explicit Active(Reader* reader) : m_previous(t_active) { t_active = reader; }
        ~Active() { t_active = m_previous; }
        Active(const Active&) = delete;
        Active& operator=(const Active&) = delete;

    private:
        Reader* m_previous;
    };
    static thread_local Reader* t_active;
    struct File {
        Reader* owner;
        bool output;
        qint64 position;
    };
    static Reader* Owner(mspack_system*) { return t_active; }
    static File* Of(mspack_file* file) { return reinterpret_cast<File*>(file); }

    static mspack_file* OpenFile(mspack_system* system, const char* name, int mode)
    {
        const bool input = mode == MSPACK_SYS_OPEN_READ && std::strcmp(name, kInputName) == 0;
        const bool output = mode == MSPACK_SYS_OPEN_WRITE && std::strcmp(name, kOutputName) == 0;
        if (!input && !output)
            return nullptr;
        return reinterpret_cast<mspack_file*>(new File{Owner(system), output, 0});
    }
    static void CloseFile(mspack_file* file) { delete Of(file); }

    static int ReadFile(mspack_file* file, void* buffer, int bytes)
    {
        File* f = Of(file);
        const QByteArray& source = f->owner->m_bytes;
        if (f->output || bytes < 0 || f->position > source.size())
            return -1;
        const qint64 count = std::min<qint64>(bytes, source.size() - f->position);
        std::memcpy(buffer, source.constData() + f->position, static_cast<size_t>(count));
        f->position += count;
        return static_cast<int>(count);
    }
    static int WriteFile(mspack_file* file, void* buffer, int bytes)
    {
        File* f = Of(file);
        Reader* owner = f->owner;
        if (!f->output || bytes < 0 || owner->m_output.size() + bytes > owner->m_outputLimit)
            return -1;
        owner->m_output.append(static_cast<const char*>(buffer), bytes);
        return bytes;
    }
    static int SeekFile(mspack_file* file, off_t offset, int mode)
    {
        File* f = Of(file);
        const qint64 size = f->owner->m_bytes.size();
        qint64 base = 0;
        if (mode == MSPACK_SYS_SEEK_CUR)
            base = f->position;
        else if (mode == MSPACK_SYS_SEEK_END)
            base = size;
        else if (mode != MSPACK_SYS_SEEK_START)
            return -1;
        if (f->output || offset < -base || offset > size - base)
            return -1;
        f->position = base + offset;
        return 0;
    }
    static off_t TellFile(mspack_file* file) { return static_cast<off_t>(Of(file)->position); }
    static void Message(mspack_file*, const char*, ...) {}

    // Each block carries its size in front, so that Free can count it back.
    static void* Allocate(mspack_system* system, size_t bytes)
    {
        Reader* owner = Owner(system);
        if (bytes > kAllocationBudget - owner->m_allocated)
            return nullptr;
        auto* block = static_cast<size_t*>(std::malloc(bytes + sizeof(max_align_t)));
        if (block == nullptr)
            return nullptr;
        block[0] = bytes;
        block[1] = reinterpret_cast<size_t>(owner);
        owner->m_allocated += bytes;
        return reinterpret_cast<char*>(block) + sizeof(max_align_t);
    }
    static void Free(void* pointer)
    {
        if (pointer == nullptr)
            return;
        auto* block = reinterpret_cast<size_t*>(static_cast<char*>(pointer) - sizeof(max_align_t));
        reinterpret_cast<Reader*>(block[1])->m_allocated -= block[0];
        std::free(block);
    }
    static void Copy(void* source, void* destination, size_t bytes) { std::memmove(destination, source, bytes); }

    const QByteArray m_bytes;
    System m_system{};
    mschm_decompressor* m_decompressor = nullptr;
    mschmd_header* m_header = nullptr;
    size_t m_allocated = 0;
    qint64 m_decompressed = 0;
    QByteArray m_output;
    qint64 m_outputLimit = 0;
};

thread_local ChmFile::Reader* ChmFile::Reader::t_active = nullptr;

ChmFile::ChmFile() = default;
ChmFile::~ChmFile() = default;

bool ChmFile::Open(const QString& path)
{
    QByteArray bytes;
    return ReadWholeFile(path, bytes) && OpenBytes(std::move(bytes));
}

bool ChmFile::OpenBytes(QByteArray bytes)
{
    m_reader.reset();
    m_objects.clear();
    m_title.clear();
    m_contents.clear();
    m_defaultTopic.clear();
    if (bytes.size() > kLargestFile)
        return false;
    MendChmcmdHeader(bytes);
    if (!HeadersInSafeRange(bytes))
        return false;
    auto reader = std::make_unique<Reader>(std::move(bytes));
    if (reader->Header() == nullptr || !reader->ControlDataInSafeRange())
        return false;
    for (mschmd_file* object = reader->Header()->files; object != nullptr; object = object->next)
        if (object->filename != nullptr)
            m_objects.insert(QByteArray(object->filename).toLower(), object);
    m_reader = std::move(reader);
    ReadSystemFile();
    return true;
}

QByteArray ChmFile::LookupKey(const QString& path)
{
    return (path.startsWith('/') ? path : "/" + path).toUtf8().toLower();
}

QByteArray ChmFile::Read(const QString& path) const
{
    if (!m_reader)
        return QByteArray();
    mschmd_file* object = m_objects.value(LookupKey(path));
    return object == nullptr ? QByteArray() : m_reader->Extract(object);
}

void ChmFile::ReadSystemFile()
{
    const QByteArray system = Read("/#SYSTEM");
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const auto byte = [&system](qsizetype i) { return static_cast<unsigned char>(system[i]); };
        const int code = byte(at) | byte(at + 1) << 8;
        const int length = byte(at + 2) | byte(at + 3) << 8;
        const QByteArray data = system.mid(at + 4, length);
        if (code == kContentsCode)
            m_contents = Text(data);
        else if (code == kDefaultTopicCode)
            m_defaultTopic = Text(data);
        else if (code == kTitleCode)
            m_title = Text(data);
        at += 4 + length;
    }
}
