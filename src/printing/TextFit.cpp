#include "TextFit.h"

#include <algorithm>
#include <cmath>

namespace printing {

int Floor(double value) { return static_cast<int>(std::floor(std::clamp(value, -1e9, 1e9))); }
int Ceil(double value) { return static_cast<int>(std::ceil(std::clamp(value, -1e9, 1e9))); }

int32_t PartsOf(int32_t count, int32_t size) { return size > 0 ? (count + size - 1) / size : 0; }

EvenShare ShareEvenly(int32_t count, int32_t most) {
    EvenShare share;
    share.parts = std::max(1, PartsOf(count, std::max(1, most)));
    share.each = std::max(1, PartsOf(count, share.parts));
    return share;
}

int Scaled(int size, double scale) {
    return std::max(1, static_cast<int>(std::floor(std::clamp(size * scale, -1e9, 1e9))));
}

double Em(PrintSurface& surface, int size) { return size * surface.PixelsPerPoint(); }

double WidestOf(PrintSurface& surface, const std::vector<std::string>& texts, int size) {
    double widest = 0;
    for (const std::string& text : texts) widest = std::max(widest, surface.TextWidth(text, size));
    return widest;
}

int SizeToFit(PrintSurface& surface, const std::string& text, int size, double room) {
    const double width = surface.TextWidth(text, size);
    if (width <= room) return size;
    int fitted = std::min(size, Scaled(size, width > 0 ? room / width : 1.0));
    while (fitted > 1 && surface.TextWidth(text, fitted) > room) --fitted;
    return fitted;
}

std::vector<std::string> WrapText(PrintSurface& surface, const std::string& text, int size, double room) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = text.find(' ', start);
        const std::string word = text.substr(start, space == std::string::npos ? std::string::npos : space - start);
        start = space == std::string::npos ? text.size() : space + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (line.empty() || surface.TextWidth(longer, size) <= room) {
            line = longer;
        } else {
            lines.push_back(line);
            line = word;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace printing
