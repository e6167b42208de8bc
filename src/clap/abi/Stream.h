#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

// Both answer the bytes moved, which may be fewer than asked; 0 at the end,
// -1 on an error.
struct clap_istream_t {
    void* ctx;
    std::int64_t (*read)(const clap_istream_t* stream, void* buffer, std::uint64_t size);
};
static_assert(sizeof(clap_istream_t) == 16);

struct clap_ostream_t {
    void* ctx;
    std::int64_t (*write)(const clap_ostream_t* stream, const void* buffer, std::uint64_t size);
};
static_assert(sizeof(clap_ostream_t) == 16);

} // namespace tarvolin::clap
