#include "ChmFile.h"

#include <QFile>

#include <chm_lib.h>

namespace {
// Entries of the #SYSTEM object: a 16-bit code, a 16-bit length, the data.
constexpr int kContentsCode = 0;
constexpr int kDefaultTopicCode = 2;
constexpr int kTitleCode = 3;
// No page of a help file is near this size; a larger object is damage.
constexpr quint64 kLargestObject = 64u << 20;

QString Text(const QByteArray& data)
{
    const int end = data.indexOf('\0');
    return QString::fromLatin1(end < 0 ? data : data.left(end));
}
} // namespace

ChmFile::~ChmFile()
{
    if (m_file)
        chm_close(m_file);
}

bool ChmFile::Open(const QString& path)
{
    m_file = chm_open(QFile::encodeName(path).constData());
    if (m_file)
        ReadSystemFile();
    return m_file != nullptr;
}

QByteArray ChmFile::Read(const QString& path) const
{
    if (!m_file)
        return QByteArray();
    const QByteArray name = (path.startsWith('/') ? path : "/" + path).toUtf8();
    chmUnitInfo unit{};
    if (chm_resolve_object(m_file, name.constData(), &unit) != CHM_RESOLVE_SUCCESS || unit.length > kLargestObject)
        return QByteArray();
    QByteArray data(static_cast<qsizetype>(unit.length), '\0');
    const LONGINT64 got = chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                                              static_cast<LONGINT64>(unit.length));
    data.resize(static_cast<qsizetype>(got > 0 ? got : 0));
    return data.isNull() ? QByteArray("") : data;
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
