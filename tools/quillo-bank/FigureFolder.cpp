#include "FigureFolder.h"

#include "SourceBook.h"

#include "afx/PictureFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace banktool {
namespace {

namespace fs = std::filesystem;

bool IsNameChar(char ch)
{
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '_' || ch == '.';
}

bool StartsWithWord(std::string_view text, size_t at, std::string_view lowerWord)
{
    if (text.size() - at < lowerWord.size())
        return false;
    for (size_t i = 0; i < lowerWord.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != lowerWord[i])
            return false;
    return true;
}

// The name that starts at `at` ("E6-1" of "E6-1, what"), without the full
// stop that ends a sentence.
std::string_view NameAt(std::string_view text, size_t at)
{
    size_t end = at;
    while (end < text.size() && IsNameChar(text[end]))
        ++end;
    std::string_view name = text.substr(at, end - at);
    while (!name.empty() && name.back() == '.')
        name.remove_suffix(1);
    return name;
}

} // namespace

std::string_view WithoutPictureEnding(std::string_view name)
{
    const std::string lower = Lower(name);
    for (const std::string_view ending : afx::kPictureEndings)
        if (lower.size() > ending.size() && lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0)
            return name.substr(0, name.size() - ending.size());
    return name;
}

std::vector<std::string_view> FiguresNamedIn(std::string_view wording)
{
    std::vector<std::string_view> names;
    for (size_t at = 0; at < wording.size(); ++at) {
        const bool wordStarts = at == 0 || !std::isalnum(static_cast<unsigned char>(wording[at - 1]));
        if (!wordStarts || !StartsWithWord(wording, at, "figure"))
            continue;
        at += 6;
        if (at < wording.size() && (wording[at] == 's' || wording[at] == 'S'))
            ++at;
        // "Figures E7-2 and E7-3", "figures E7-2, E7-3": each name in turn.
        for (;;) {
            if (at >= wording.size() || wording[at] != ' ')
                break;
            while (at < wording.size() && wording[at] == ' ')
                ++at;
            const std::string_view name = NameAt(wording, at);
            if (name.empty())
                break;
            names.push_back(name);
            at += name.size();
            while (at < wording.size() && wording[at] == ',')
                ++at;
            if (StartsWithWord(wording, at, " and "))
                at += 4;
        }
    }
    return names;
}

std::string_view NumberedFigureIn(std::string_view wording)
{
    for (const std::string_view name : FiguresNamedIn(wording))
        if (std::any_of(name.begin(), name.end(), [](unsigned char ch) { return std::isdigit(ch); }))
            return name;
    return std::string_view();
}

FigureFolder::FigureFolder(const std::string& folder)
{
    std::error_code error;
    const fs::path root = fs::canonical(folder, error);
    if (error || !fs::is_directory(root, error))
        return;
    m_exists = true;
    for (const fs::directory_entry& entry : fs::directory_iterator(root, error)) {
        const std::string name = entry.path().filename().string();
        const std::string_view stem = WithoutPictureEnding(name);
        if (stem.size() == name.size())
            continue;
        const fs::path target = fs::canonical(entry.path(), error);
        const bool inside = !error && target.parent_path() == root;
        if (!inside || !fs::is_regular_file(target, error)) {
            m_refused.push_back(name + " is a link that leads out of the folder, or not a file");
            continue;
        }
        // The viewer tries the endings as written in lower case.
        if (name.compare(stem.size(), std::string::npos, Lower(name.substr(stem.size()))) != 0) {
            m_refused.push_back(name + " has its ending in capitals, which the viewer does not try; name it " +
                                std::string(stem) + Lower(name.substr(stem.size())));
            continue;
        }
        // Any stem found here opens its own picture: the viewer tries every
        // ending of the stem it is given.
        m_pictureOfLowerName.emplace(Lower(stem), std::string(stem));
    }
    std::sort(m_refused.begin(), m_refused.end());
}

std::string FigureFolder::PictureNamed(std::string_view name) const
{
    const auto found = m_pictureOfLowerName.find(Lower(WithoutPictureEnding(name)));
    return found == m_pictureOfLowerName.end() ? std::string() : found->second;
}

std::string FigureFolder::FigureIn(std::string_view wording) const
{
    for (const std::string_view name : FiguresNamedIn(wording))
        if (std::string picture = PictureNamed(name); !picture.empty())
            return picture;
    return std::string();
}

} // namespace banktool
