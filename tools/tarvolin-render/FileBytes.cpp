#include "FileBytes.h"

#include "RenderError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tarvolin::render {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, const char* action) {
    const int error = errno;
    throw RenderError(std::string("cannot ") + action + " " + path.string() + ": " +
                      (error != 0 ? std::strerror(error) : "input/output error"));
}

} // namespace

std::vector<unsigned char> readFileBytes(const std::filesystem::path& path) {
    // Devices and pipes may never end, and no input of ours comes near the size limit.
    constexpr std::uintmax_t kLargestFile = 256u << 20;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw RenderError("cannot read " + path.string() + ": not a regular file");
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kLargestFile) {
        throw RenderError("cannot read " + path.string() + ": larger than 256 MiB");
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(path, "read");
    }
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (in.bad()) {
        fail(path, "read");
    }
    return bytes;
}

void writeFileBytes(const std::filesystem::path& path, std::span<const unsigned char> bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        fail(path, "write");
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        fail(path, "write");
    }
}

} // namespace tarvolin::render
