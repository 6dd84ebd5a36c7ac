// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A text the director reads is marked where it is written, by its context and its Polish
// source, so that the translation tools find it; both expand to the identity alone. RZ_TEXT_N
// marks a text whose words follow a number (%n), which the translations give in every plural
// form their language has.
#define RZ_TEXT(context, source) \
    ::movement::TextId { context, source }
#define RZ_TEXT_N(context, source) \
    ::movement::TextId { context, source }

namespace movement {

// Which text: the context it is listed under and its Polish wording, which is also its key.
struct TextId {
    const char* context;
    const char* source;
};

// A text to be said: its identity, the arguments for its numbered places %1..%9 and, where it
// has one, the number its plural forms follow (%n).
struct Text {
    TextId id;
    std::vector<std::string> arguments = {};
    std::optional<int64_t> count = std::nullopt;
};

// The pattern with %1..%9 replaced by the arguments and %n by the count, in one pass, so that an
// argument holding "%2" stays as it is. A place without an argument, and "%%", stay too.
std::string Filled(std::string_view pattern, const std::vector<std::string>& arguments,
                   std::optional<int64_t> count = std::nullopt);

// The words of one language. The translations proper are the toolkit's; the core asks for them
// through this, and a catalogue that has no translation of a text gives its Polish source.
class Catalogue {
public:
    virtual ~Catalogue() = default;

    // The text in this language, its places filled.
    std::string Say(const Text& text) const;
    std::string Say(TextId id) const { return Say(Text{id}); }

protected:
    // The pattern of a text in this language (its plural form chosen by the count), or nothing
    // where the catalogue has none.
    virtual std::optional<std::string> Pattern(TextId id, std::optional<int64_t> count) const = 0;
};

// Polish as the source gives it, one form for every number: for the fuzz targets and the few
// places that run before any translation is loaded.
class SourceCatalogue final : public Catalogue {
protected:
    std::optional<std::string> Pattern(TextId, std::optional<int64_t>) const override { return std::nullopt; }
};

}  // namespace movement
