#pragma once
// The pictures of a bank's diagram folder, found by name whatever their
// case and picture ending, as pools publish them ("t-1.png" for "figure
// T-1"), and the figures a question's wording names.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace banktool {

class FigureFolder {
public:
    // Reads the folder's names once. Only ordinary files inside it count:
    // a link that leads out of it is refused, and named with why in
    // Refused().
    explicit FigureFolder(const std::string& folder);

    bool Exists() const { return m_exists; }
    const std::vector<std::string>& Refused() const { return m_refused; }

    // The picture's own name without its ending ("t-1") for a name given
    // in any case, with or without an ending; empty when there is none.
    std::string PictureNamed(std::string_view name) const;
    // The first figure the wording names that has a picture here.
    std::string FigureIn(std::string_view wording) const;

private:
    bool m_exists = false;
    std::unordered_map<std::string, std::string> m_pictureOfLowerName;
    std::vector<std::string> m_refused;
};

// The program adds ".bmp" to a diagram's name: a name given with a picture
// ending ("t-1.png", "T-1.PNG") loses it, and the viewer tries them all.
std::string_view WithoutPictureEnding(std::string_view name);

// The names after "figure" or "Figures ... and" in a wording ("T-1" of
// "in figure T-1?"), whether or not a picture has them.
std::vector<std::string_view> FiguresNamedIn(std::string_view wording);
// The first numbered figure a wording refers to ("T-1" of "in figure
// T-1?"), which the question cannot be answered without; empty for none
// ("the figure of merit").
std::string_view NumberedFigureIn(std::string_view wording);

} // namespace banktool
