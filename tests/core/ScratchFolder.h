// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

// A fresh empty folder under the test's temporary directory, named for the running test
// and removed afterwards.
class TScratchFolder {
public:
    TScratchFolder() : Path(std::filesystem::path(testing::TempDir()) / FolderName())
    {
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~TScratchFolder() { std::filesystem::remove_all(Path); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string File(const std::string& name) const { return (Path / name).string(); }

    // The names in the folder, hidden ones included.
    std::set<std::string> Entries() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Path))
            names.insert(entry.path().filename().string());
        return names;
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    const std::filesystem::path Path;

private:
    static std::string FolderName()
    {
        const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "tolvenn-" + std::string(test.test_suite_name()) + "-" + test.name();
        std::replace(name.begin(), name.end(), '/', '-');
        return name;
    }
};
