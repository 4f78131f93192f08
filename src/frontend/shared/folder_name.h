#pragma once

#include <string>

namespace reminder::presentation {

// The name a folder goes by in a folder list: its last part; a root as it stands ("/",
// "C:\").
[[nodiscard]] std::string folderName(const std::string& path);

}  // namespace reminder::presentation
