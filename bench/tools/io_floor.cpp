// The I/O floor of a run: reads each source once and writes one page of the same size per source.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: io_floor SOURCE_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(argv[1])) {
        if (entry.is_regular_file()) {
            sources.push_back(entry.path());
        }
    }
    std::sort(sources.begin(), sources.end());
    const fs::path output = argv[2];
    fs::create_directories(output);
    std::string bytes;
    for (const fs::path& source : sources) {
        const int in = ::open(source.c_str(), O_RDONLY);
        bytes.resize(static_cast<std::size_t>(fs::file_size(source)));
        const ssize_t got = ::read(in, bytes.data(), bytes.size());
        ::close(in);
        const int out = ::open((output / source.filename()).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const ssize_t put = ::write(out, bytes.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
        ::close(out);
        if (put < 0) {
            return 1;
        }
    }
    std::printf("%zu pages\n", sources.size());
    return 0;
}
