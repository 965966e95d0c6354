#pragma once

#include <ostream>
#include <string>

// A row's name is its test's name, and all a failure's report shows of it.
inline const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
std::ostream& operator<<(std::ostream& os, const Row& row) {
    return os << row.name;
}
