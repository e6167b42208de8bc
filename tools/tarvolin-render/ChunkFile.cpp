#include "ChunkFile.h"

#include "FileBytes.h"
#include "RenderError.h"

#include <span>
#include <string>

namespace tarvolin::render {

namespace {

// The first index argument of the chunk opcodes: whole state rather than one preset.
constexpr VstInt32 kBankChunk = 0;

} // namespace

std::vector<unsigned char> readChunkFile(const std::filesystem::path& path) {
    std::vector<unsigned char> chunk = readFileBytes(path);
    if (chunk.size() != kChunkSize) {
        throw RenderError(path.string() + " holds " + std::to_string(chunk.size()) +
                          " bytes, but a Tarvolin chunk is exactly " + std::to_string(kChunkSize));
    }
    return chunk;
}

void loadChunk(const host::PluginInstance& plugin, std::vector<unsigned char>& chunk,
               const std::filesystem::path& source) {
    const auto size = static_cast<VstIntPtr>(chunk.size());
    if (plugin.dispatch(effSetChunk, kBankChunk, size, chunk.data()) == 0) {
        throw RenderError("the module refused the chunk in " + source.string());
    }
}

void saveChunk(const host::PluginInstance& plugin, const std::filesystem::path& path) {
    void* data = nullptr;
    const VstIntPtr size = plugin.dispatch(effGetChunk, kBankChunk, 0, &data);
    if (size <= 0 || data == nullptr) {
        throw RenderError("the module gave no chunk to save in " + path.string());
    }
    writeFileBytes(
        path, std::span(static_cast<const unsigned char*>(data), static_cast<std::size_t>(size)));
}

} // namespace tarvolin::render
