#pragma once
// A compiled HTML Help file, read through chmlib: its pages, pictures and
// style sheets by path, and what its system file names as the title, the
// contents file and the default topic.

#include <QByteArray>
#include <QString>

struct chmFile;

class ChmFile {
public:
    ChmFile() = default;
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool Open(const QString& path);
    bool IsOpen() const { return m_file != nullptr; }

    // path as inside the file, with or without its leading '/'; null when
    // the file has no such object.
    QByteArray Read(const QString& path) const;

    QString Title() const { return m_title; }
    QString ContentsFile() const { return m_contents; }
    QString DefaultTopic() const { return m_defaultTopic; }

private:
    void ReadSystemFile();

    chmFile* m_file = nullptr;
    QString m_title;
    QString m_contents;
    QString m_defaultTopic;
};
