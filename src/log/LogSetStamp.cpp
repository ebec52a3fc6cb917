#include "LogSetStamp.h"

#include <algorithm>

namespace ign {

namespace {

constexpr std::string_view kStampMark = ", set ";
constexpr std::size_t kDigestDigits = 12;
// Far beyond the longest state; a longer tail is no stamp of ours.
constexpr std::size_t kMaxStateBytes = 64;

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

bool IsSetDigest(std::string_view text) {
    return text.size() == kDigestDigits && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::optional<LogSetStamp> ParseLogSetStamp(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') return std::nullopt;
    line = line.substr(1, line.size() - 2);
    // From the end: the program's name before it may hold anything.
    const std::size_t mark = line.rfind(kStampMark);
    if (mark == std::string_view::npos) return std::nullopt;
    std::string_view rest = line.substr(mark + kStampMark.size());
    const std::string_view digest = rest.substr(0, kDigestDigits);
    rest.remove_prefix(digest.size());
    if (!IsSetDigest(digest) || !rest.starts_with(", ")) return std::nullopt;
    const std::string_view state = TrimBlanks(rest.substr(2));
    if (state.empty() || state.size() > kMaxStateBytes) return std::nullopt;
    return LogSetStamp{std::string(digest), std::string(state)};
}

std::optional<std::string> ParseSetMarkerText(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.starts_with(kSetMarkerPrefix)) return std::nullopt;
    const std::string_view digest = TrimBlanks(text.substr(kSetMarkerPrefix.size()));
    if (!IsSetDigest(digest)) return std::nullopt;
    return std::string(digest);
}

std::filesystem::path LogSetFilePath(const std::filesystem::path& logPath, int index) {
    std::filesystem::path path = logPath;
    std::filesystem::path name = logPath.stem();
    if (index > 1) name += "_" + std::to_string(index);
    name += ".ign";
    return path.replace_filename(name);
}

}  // namespace ign
