#pragma once

#include <string>
#include <vector>

namespace reminder {

// Sorts names as a person reads them: letter case aside first, then by letter case.
void sortForReading(std::vector<std::string>& names);

}  // namespace reminder
