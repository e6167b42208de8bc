#pragma once

// Our own declarations of the CLAP C interface (version 1.2), written from its
// published ABI. Every record is checked against the published sizes and
// offsets below each declaration, which hold on Linux x86_64 and Windows x64
// alike: CLAP uses fixed-width integers, pointers and bool only.

#include <cstddef>
#include <cstdint>

namespace tarvolin::clap {

using clap_id = std::uint32_t;
inline constexpr clap_id CLAP_INVALID_ID = UINT32_MAX;
inline constexpr std::size_t CLAP_NAME_SIZE = 256;
inline constexpr std::size_t CLAP_PATH_SIZE = 1024;

struct clap_version_t {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t revision;
};
static_assert(sizeof(clap_version_t) == 12);

inline constexpr clap_version_t CLAP_VERSION{1, 2, 2};

// Hosts and plug-ins of the same major version understand each other; the
// versions before 1.0 were drafts.
constexpr bool clap_version_is_compatible(clap_version_t version) {
    return version.major >= 1;
}

} // namespace tarvolin::clap
