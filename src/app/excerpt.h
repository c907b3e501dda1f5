// Error lines quote what they refuse; a token of a megabyte is cut to its start.
#pragma once

#include <string>
#include <string_view>

namespace app {

constexpr size_t kExcerptChars = 40;

// The text itself when short, else its first kExcerptChars bytes and "...".
inline std::string Excerpt(std::string_view text) {
    if (text.size() <= kExcerptChars) return std::string(text);
    return std::string(text.substr(0, kExcerptChars)) + "...";
}

// The excerpt in single quotes, as error lines quote a token.
inline std::string Quoted(std::string_view text) {
    std::string out(1, '\'');
    out.append(Excerpt(text));
    out += '\'';
    return out;
}

}  // namespace app
