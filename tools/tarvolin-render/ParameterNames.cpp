#include "ParameterNames.h"

#include "RenderError.h"

#include <algorithm>
#include <cctype>

namespace tarvolin::render {

namespace {

std::string normalise(std::string_view text) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    std::string result;
    for (auto c = first; c < last; ++c) {
        result += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    }
    return result;
}

bool isNumber(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::string listOf(const std::vector<int>& indices) {
    std::string text;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        text += (i == 0                    ? ""
                 : i + 1 == indices.size() ? " and "
                                           : ", ") +
                std::to_string(indices[i]);
    }
    return text;
}

} // namespace

ParameterNames::ParameterNames(std::vector<std::string> names) : names(std::move(names)) {
    for (const std::string& name : this->names) {
        normalisedNames.push_back(normalise(name));
    }
}

int ParameterNames::indexOf(std::string_view key) const {
    const int count = static_cast<int>(names.size());
    const std::string range = "0 to " + std::to_string(count - 1);
    if (isNumber(key)) {
        const std::string_view digits =
            key.substr(std::min(key.find_first_not_of('0'), key.size() - 1));
        // Nine digits always fit an int; anything longer is out of range anyway.
        const int index = digits.size() <= 9 ? std::stoi(std::string(digits)) : count;
        if (index >= count) {
            throw RenderError("parameter index " + std::string(key) + " is outside " + range);
        }
        return index;
    }
    const std::string wanted = normalise(key);
    std::vector<int> matches;
    for (int i = 0; i < count; ++i) {
        if (!wanted.empty() && normalisedNames[i] == wanted) {
            matches.push_back(i);
        }
    }
    if (matches.empty()) {
        throw RenderError("the module has no parameter named \"" + std::string(key) +
                          "\"; give a parameter name or an index from " + range);
    }
    if (matches.size() > 1) {
        throw RenderError("parameters " + listOf(matches) + " are all named \"" +
                          names[matches.front()] + "\"; give the index instead");
    }
    return matches.front();
}

} // namespace tarvolin::render
