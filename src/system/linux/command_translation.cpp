#include "system/linux/command_translation.h"

#include <sstream>

namespace reminder {

namespace {

std::vector<std::string> words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> result;
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

// pkill reads its name as a regular expression; the dot of "wmplayer.exe" must match a dot.
std::string literalPattern(const std::string& name) {
  std::string pattern;
  for (const char c : name) {
    if (std::string_view("\\.^$|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern;
}

}  // namespace

std::optional<Argv> translateSystemCommand(std::string_view line) {
  const std::vector<std::string> w = words(line);
  if (w.size() == 3 && w[0] == "taskkill" && w[1] == "/im") {
    return Argv{"pkill", "-x", literalPattern(w[2])};
  }
  return std::nullopt;
}

}  // namespace reminder
