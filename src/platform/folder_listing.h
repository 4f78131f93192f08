#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace reminder {

// Sorts names as a person reads them: letter case aside first.
void sortForPeople(std::vector<std::string>& names);

// The entries of `folder` that `keep` admits, each written by `name`, sorted as a person
// reads them: letter case aside first. None when the folder cannot be read.
[[nodiscard]] std::optional<std::vector<std::string>> listFolder(
    const std::filesystem::path& folder,
    const std::function<bool(const std::filesystem::directory_entry&)>& keep,
    const std::function<std::string(const std::filesystem::directory_entry&)>& name);

}  // namespace reminder
