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

// Lists nested deeper than kDeepestContents hold their entries at that
// depth, and entries past kMostContents are left out: a help file can come
// from anyone, and neither its depth nor its size may take the viewer down.
constexpr int kDeepestContents = 32;
constexpr int kMostContents = 100000;

std::vector<ContentsEntry> ReadContents(const QString& sitemap);
