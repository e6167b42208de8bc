#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvolin::render {

// Finds a parameter from what a person types: its index, or its name as the
// module reports it, without regard to case or to the trailing spaces some of
// the instrument's names carry.
class ParameterNames {
public:
    explicit ParameterNames(std::vector<std::string> names);

    // Throws a RenderError for an unknown or shared name and an index out of range.
    int indexOf(std::string_view key) const;

private:
    std::vector<std::string> names;
    std::vector<std::string> normalisedNames;
};

} // namespace tarvolin::render
