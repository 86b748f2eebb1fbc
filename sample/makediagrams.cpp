// Draws the diagrams of the sample bank from their text source:
//   makediagrams diagrams.txt OUTPUT_FOLDER
// Each figure becomes OUTPUT_FOLDER/NAME.bmp, an uncompressed 24-bit bitmap.

#include "Glyphs.h"

#include "afx/CodePage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kTextScale = 2;

struct Colour {
    uint8_t r, g, b;
};
constexpr Colour kInk{0, 0, 0};
constexpr Colour kGrid{205, 210, 220};
constexpr Colour kPaper{255, 255, 255};

class Canvas {
public:
    Canvas(std::string name, int width, int height)
        : m_name(std::move(name)), m_width(width), m_height(height),
          m_pixels(static_cast<size_t>(width * height), kPaper)
    {}

    const std::string& Name() const { return m_name; }
    // What the figure shows, in words, for those who cannot see it.
    std::string description;

    void Plot(int x, int y, Colour c)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_pixels[static_cast<size_t>(y * m_width + x)] = c;
    }

    // Two pixels wide, so the lines read clearly when scaled down.
    void Line(int x1, int y1, int x2, int y2, Colour c = kInk)
    {
        const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i <= steps; ++i) {
            const double t = steps == 0 ? 0.0 : double(i) / steps;
            const int x = static_cast<int>(std::lround(x1 + t * (x2 - x1)));
            const int y = static_cast<int>(std::lround(y1 + t * (y2 - y1)));
            Plot(x, y, c);
            Plot(x + 1, y, c);
            Plot(x, y + 1, c);
        }
    }

    void Circle(int cx, int cy, int r)
    {
        const int steps = std::max(16, r * 8);
        for (int i = 0; i < steps; ++i) {
            const double a = 2 * M_PI * i / steps;
            const int x = cx + static_cast<int>(std::lround(r * std::cos(a)));
            const int y = cy + static_cast<int>(std::lround(r * std::sin(a)));
            Plot(x, y, kInk);
            Plot(x + 1, y, kInk);
        }
    }

    void Dot(int cx, int cy)
    {
        for (int y = -4; y <= 4; ++y)
            for (int x = -4; x <= 4; ++x)
                if (x * x + y * y <= 16)
                    Plot(cx + x, cy + y, kInk);
    }

    void Grid(int step)
    {
        for (int x = 0; x < m_width; x += step)
            for (int y = 0; y < m_height; ++y)
                Plot(x, y, kGrid);
        for (int y = 0; y < m_height; y += step)
            for (int x = 0; x < m_width; ++x)
                Plot(x, y, kGrid);
    }

    void Text(int x, int y, const std::string& utf8)
    {
        const std::u16string text = afx::MultiByteToWideChar(afx::CP_UTF8, utf8.c_str(), -1);
        for (char16_t ch : text) {
            const auto glyph = Glyphs().find(ch);
            if (glyph != Glyphs().end())
                DrawGlyph(x, y, glyph->second);
            x += 6 * kTextScale;
        }
    }

    bool Save(const std::string& path) const;

private:
    void DrawGlyph(int x, int y, const char* cells)
    {
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (cells[row * 5 + col] == '#')
                    for (int dy = 0; dy < kTextScale; ++dy)
                        for (int dx = 0; dx < kTextScale; ++dx)
                            Plot(x + col * kTextScale + dx, y + row * kTextScale + dy, kInk);
    }

    std::string m_name;
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

void PutLE(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool Canvas::Save(const std::string& path) const
{
    const int rowBytes = (m_width * 3 + 3) & ~3;
    const auto imageBytes = static_cast<uint32_t>(rowBytes * m_height);
    std::string out;
    out += "BM";
    PutLE(out, 54 + imageBytes, 4);
    PutLE(out, 0, 4);
    PutLE(out, 54, 4);
    PutLE(out, 40, 4);
    PutLE(out, static_cast<uint32_t>(m_width), 4);
    PutLE(out, static_cast<uint32_t>(m_height), 4);
    PutLE(out, 1, 2);
    PutLE(out, 24, 2);
    PutLE(out, 0, 4);
    PutLE(out, imageBytes, 4);
    PutLE(out, 3780, 4); // 96 dpi
    PutLE(out, 3780, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    for (int y = m_height - 1; y >= 0; --y) { // bitmaps run bottom-up
        for (int x = 0; x < m_width; ++x) {
            const Colour c = m_pixels[static_cast<size_t>(y * m_width + x)];
            out += static_cast<char>(c.b);
            out += static_cast<char>(c.g);
            out += static_cast<char>(c.r);
        }
        out.append(static_cast<size_t>(rowBytes - m_width * 3), '\0');
    }
    std::ofstream file(path, std::ios::binary);
    file << out;
    return static_cast<bool>(file);
}

// One drawing line of a figure; false for one that cannot be read.
bool Draw(Canvas& canvas, const std::string& verb, std::istringstream& in)
{
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    if (verb == "line" && in >> a >> b >> c >> d)
        canvas.Line(a, b, c, d);
    else if (verb == "circle" && in >> a >> b >> c)
        canvas.Circle(a, b, c);
    else if (verb == "dot" && in >> a >> b)
        canvas.Dot(a, b);
    else if (verb == "grid" && in >> a && a > 0)
        canvas.Grid(a);
    else if (verb == "describe")
        std::getline(in >> std::ws, canvas.description);
    else if (verb == "text" && in >> a >> b) {
        std::string words;
        std::getline(in >> std::ws, words);
        canvas.Text(a, b, words);
    } else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makediagrams SOURCE.txt OUTPUT_FOLDER\n");
        return 2;
    }
    std::ifstream source(argv[1]);
    if (!source) {
        std::fprintf(stderr, "makediagrams: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string folder = argv[2];
    std::vector<Canvas> figures;
    std::string line;
    while (std::getline(source, line)) {
        std::istringstream in(line);
        std::string verb;
        if (!(in >> verb) || verb[0] == '#')
            continue;
        if (verb == "figure") {
            std::string name;
            int w = 0;
            int h = 0;
            in >> name >> w >> h;
            figures.emplace_back(name, w, h);
            continue;
        }
        if (figures.empty()) {
            std::fprintf(stderr, "makediagrams: '%s' before any figure\n", verb.c_str());
            return 1;
        }
        if (!Draw(figures.back(), verb, in)) {
            std::fprintf(stderr, "makediagrams: cannot read '%s'\n", line.c_str());
            return 1;
        }
    }
    for (const Canvas& canvas : figures) {
        bool written = canvas.Save(folder + "/" + canvas.Name() + ".bmp");
        if (written && !canvas.description.empty()) {
            std::ofstream description(folder + "/" + canvas.Name() + ".txt", std::ios::binary);
            written = static_cast<bool>(description << canvas.description << "\n");
        }
        if (!written) {
            std::fprintf(stderr, "makediagrams: cannot write %s\n", canvas.Name().c_str());
            return 1;
        }
    }
    return 0;
}
