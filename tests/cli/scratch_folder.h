#pragma once
// A fresh empty folder for one test, removed with everything in it afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace quorrith::test {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (int attempt = 0;; ++attempt) {
            path_ = fs::temp_directory_path() / ("quorrith-cli-" + test + "-" + std::to_string(attempt));
            if (fs::create_directory(path_)) break;
        }
    }
    ~ScratchFolder() {
        // Read-only files would stop the removal on Windows.
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return path_; }
    // The folder as a command-line argument.
    std::string utf8() const { return path_.u8string(); }

private:
    fs::path path_;
};

inline std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
}

// The names in a folder, to see that nothing was added or left behind.
inline std::set<std::string> EntryNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().u8string());
    return names;
}

}  // namespace quorrith::test
