// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// Without libFuzzer, a fuzz target runs once on every file of the folders (or files) it
// is given, so that its corpus and every crash ever found are checked by each build.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::printf("%s\n", file.filename().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file()) {
                    Replay(entry.path());
                    ++files;
                }
        } else {
            Replay(path);
            ++files;
        }
    }
    std::printf("%d inputs, no failure\n", files);
    return files > 0 ? 0 : 1;
}
