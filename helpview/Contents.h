#pragma once
// The contents tree of a help file, read from its .hhc sitemap: nested
// lists of objects, each with a Name and the Local page it opens.

#include <QString>
#include <vector>

struct ContentsEntry {
    QString name;
    QString local;
    std::vector<ContentsEntry> children;
};

std::vector<ContentsEntry> ReadContents(const QString& sitemap);
