// Helpers shared by the engine tests: GBK literals and a temporary folder with files in it.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "fakes/GbkLiterals.h"

namespace tessivane::engine::testing {

using tessivane::testing::G;

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> serial{0};
        path_ = std::filesystem::temp_directory_path() /
                ("tessivane-engine-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    /// Writes a file under the folder; the name is UTF-8.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / std::filesystem::path(std::string(name));
        WriteBytes(file, bytes);
        return file;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tessivane::engine::testing
