#include "Contents.h"

#include <QRegularExpression>

std::vector<ContentsEntry> ReadContents(const QString& sitemap)
{
    // Only the tags that shape the tree matter: lists, and the objects with
    // their parameters.
    static const QRegularExpression tag(R"(<\s*(/?)(ul|object|param)\b([^>]*)>)",
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(R"re((name|value)\s*=\s*"([^"]*)")re",
                                              QRegularExpression::CaseInsensitiveOption);
    std::vector<ContentsEntry> top;
    // The list being filled at each depth; an entry's children are the
    // list that follows it.
    std::vector<std::vector<ContentsEntry>*> lists{&top};
    ContentsEntry* current = nullptr;
    bool inObject = false;
    int depth = 0;
    int entries = 0;
    for (auto match = tag.globalMatch(sitemap); match.hasNext();) {
        const auto found = match.next();
        const bool closing = !found.captured(1).isEmpty();
        const QString name = found.captured(2).toLower();
        if (name == "ul") {
            if (!closing && ++depth > 1 && depth <= kDeepestContents)
                lists.push_back(current && !lists.back()->empty() ? &lists.back()->back().children : lists.back());
            else if (closing && depth-- > 1 && depth < kDeepestContents && lists.size() > 1)
                lists.pop_back();
        } else if (name == "object") {
            inObject = !closing;
            if (!closing && ++entries > kMostContents)
                break;
            if (!closing) {
                lists.back()->push_back(ContentsEntry{});
                current = &lists.back()->back();
            }
        } else if (inObject && current) {
            QString key;
            QString value;
            for (auto parts = attribute.globalMatch(found.captured(3)); parts.hasNext();) {
                const auto part = parts.next();
                (part.captured(1).toLower() == "name" ? key : value) = part.captured(2);
            }
            if (key.compare("Name", Qt::CaseInsensitive) == 0 && current->name.isEmpty())
                current->name = value;
            else if (key.compare("Local", Qt::CaseInsensitive) == 0)
                current->local = value;
        }
    }
    return top;
}
