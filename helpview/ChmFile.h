#pragma once
// A compiled HTML Help file, read through libmspack's CHM decompressor: its
// pages, pictures and style sheets by path, and what its system file names
// as the title, the contents file and the default topic.
//
// A help file can arrive from anyone beside a question bank, so reading one
// is bounded: the file is read into memory whole (64 MiB at most), what the
// decompressor allocates is capped (64 MiB), one object is 16 MiB at most
// and may lie no further than 256 MiB into its section, and decompressing
// all the objects of one file together stops at 1 GiB. A file past a bound
// reads as a file without that object, or does not open.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

struct mschmd_file;

class ChmFile {
public:
    ChmFile();
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool Open(const QString& path);
    // The help file's bytes themselves, as Open reads them.
    bool OpenBytes(QByteArray bytes);
    bool IsOpen() const { return m_reader != nullptr; }
    // Every object the file lists, by its path.
    QList<QByteArray> Paths() const { return m_objects.keys(); }

    // path as inside the file, with or without its leading '/', in any
    // case; null when the file has no such object or it cannot be read.
    QByteArray Read(const QString& path) const;
    // Whether the file lists an object at path, without reading it.
    bool Has(const QString& path) const { return m_objects.contains(LookupKey(path)); }

    QString Title() const { return m_title; }
    QString ContentsFile() const { return m_contents; }
    QString DefaultTopic() const { return m_defaultTopic; }

private:
    // An object's path as the lookup keys it: from the root, in lower case.
    static QByteArray LookupKey(const QString& path);
    void ReadSystemFile();

    class Reader;
    std::unique_ptr<Reader> m_reader;
    // The objects by their lower-case path.
    QHash<QByteArray, mschmd_file*> m_objects;
    QString m_title;
    QString m_contents;
    QString m_defaultTopic;
};
