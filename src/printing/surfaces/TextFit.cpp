// SPDX-License-Identifier: GPL-3.0-or-later
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

std::vector<std::string> DistinctTexts(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    return texts;
}

int LargestSizeOfFewestParts(int design, int floor, const std::function<int64_t(int size)>& partsAt) {
    int chosen = 0;
    int64_t fewest = 0;
    for (int size = design; size >= 1; --size) {
        if (size < floor && chosen != 0) break;
        const int64_t parts = partsAt(size);
        if (parts > 0 && (chosen == 0 || parts < fewest)) {
            chosen = size;
            fewest = parts;
        }
    }
    return std::max(chosen, 1);
}

int SizeToFit(PrintSurface& surface, const std::string& text, int size, double room) {
    const double width = surface.TextWidth(text, size);
    if (width <= room) return size;
    int fitted = std::min(size, Scaled(size, width > 0 ? room / width : 1.0));
    while (fitted > 1 && surface.TextWidth(text, fitted) > room) --fitted;
    return fitted;
}

std::string CutToFit(PrintSurface& surface, const std::string& text, int size, double room) {
    if (surface.TextWidth(text, size) <= room) return text;
    static const std::string ellipsis = "\u2026";
    // Where a character starts, the text may be cut: the longest such start that fits.
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size(); ++at)
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) starts.push_back(at);
    std::size_t low = 0;  // starts[low] fits, the empty text at least
    std::size_t high = starts.size();
    while (high - low > 1) {
        const std::size_t middle = (low + high) / 2;
        if (surface.TextWidth(text.substr(0, starts[middle]) + ellipsis, size) <= room)
            low = middle;
        else
            high = middle;
    }
    std::string cut = text.substr(0, starts.empty() ? 0 : starts[low]);
    cut.erase(cut.find_last_not_of(' ') + 1);
    return cut + ellipsis;
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
