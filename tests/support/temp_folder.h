#pragma once
// A fresh folder for one test's files, its name holding a space and Chinese
// characters as users' folders do; removed with everything in it afterwards.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace morvane::test_support {

class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "morvane 测试 ")
        : path_(std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

private:
    std::filesystem::path path_;
};

}  // namespace morvane::test_support
