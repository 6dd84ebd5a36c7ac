// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeLineSplitter.h"

#include "MovementState.h"

#include <algorithm>

namespace movement {

namespace {

constexpr char LineFeed = '\n';
constexpr char CarriageReturn = '\r';
constexpr char CtrlZ = '\x1a';
constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";

}  // namespace

void SchemeLineSplitter::Feed(std::string_view bytes) {
    // The mark may come split over two pieces.
    while (!startDecided_ && !bytes.empty()) {
        startOfFile_.push_back(bytes.front());
        bytes.remove_prefix(1);
        if (ByteOrderMark.substr(0, startOfFile_.size()) != startOfFile_) {
            startDecided_ = true;
            FeedText(startOfFile_);
        } else if (startOfFile_.size() == ByteOrderMark.size()) {
            startDecided_ = true;
        }
    }
    FeedText(bytes);
}

void SchemeLineSplitter::FeedText(std::string_view bytes) {
    // Whole runs up to the next line feed at a time: files of hundreds of megabytes pass in a
    // second or two.
    while (!bytes.empty() && !endOfFile_) {
        if (pendingCarriageReturn_) {
            pendingCarriageReturn_ = false;
            if (bytes.front() == LineFeed) {
                EndLine();
                bytes.remove_prefix(1);
                continue;
            }
            AppendText(std::string_view(&CarriageReturn, 1));
        }
        if (atLineStart_ && bytes.front() == CtrlZ) {
            endOfFile_ = true;
            return;
        }
        const auto lineFeed = bytes.find(LineFeed);
        std::string_view text = bytes.substr(0, lineFeed);
        bytes.remove_prefix(lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1);
        // A CR right before the LF belongs to the line end; one at the end of a piece may.
        const bool endsWithCarriageReturn = !text.empty() && text.back() == CarriageReturn;
        if (endsWithCarriageReturn) text.remove_suffix(1);
        AppendText(text);
        if (lineFeed != std::string_view::npos) {
            EndLine();
        } else if (endsWithCarriageReturn) {
            pendingCarriageReturn_ = true;
            atLineStart_ = false;
        }
    }
}

SchemeLines SchemeLineSplitter::Finish() {
    if (!startDecided_) {
        startDecided_ = true;
        FeedText(startOfFile_);
    }
    if (pendingCarriageReturn_) AppendText(std::string_view(&CarriageReturn, 1));
    pendingCarriageReturn_ = false;
    if (!atLineStart_) EndLine();
    return std::move(result_);
}

void SchemeLineSplitter::AppendText(std::string_view text) {
    if (text.empty()) return;
    atLineStart_ = false;
    if (!lineHasAsterisk_ && text.find('*') != std::string_view::npos) lineHasAsterisk_ = true;
    // Spaces count only once something follows them: trailing spaces are no part of a line.
    const auto lastNonSpace = text.find_last_not_of(' ');
    if (lastNonSpace == std::string_view::npos) {
        pendingSpaces_ += text.size();
        return;
    }
    lineHasNonSpace_ = true;
    const std::size_t body = lastNonSpace + 1;
    const std::size_t grown = lineLength_ + pendingSpaces_ + body;
    // Lines beyond the capacity or the length are only counted, so their text is not kept.
    if (!lineHasAsterisk_ && grown <= MaxSchemeLineLength && result_.lines.size() < CatalogueCapacity) {
        line_.append(pendingSpaces_, ' ');
        line_.append(text.substr(0, body));
    }
    lineLength_ = grown;
    pendingSpaces_ = text.size() - body;
}

void SchemeLineSplitter::EndLine() {
    if (!lineHasAsterisk_ && lineHasNonSpace_) {
        if (lineLength_ > MaxSchemeLineLength) {
            ++result_.tooLong;
        } else if (result_.lines.size() < CatalogueCapacity) {
            result_.lines.push_back(std::move(line_));
        } else {
            ++result_.leftOut;
        }
    }
    line_.clear();
    lineLength_ = 0;
    pendingSpaces_ = 0;
    atLineStart_ = true;
    lineHasAsterisk_ = false;
    lineHasNonSpace_ = false;
}

}  // namespace movement
