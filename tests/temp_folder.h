#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// test ends. Tests that touch files work only inside one, so parallel runs never meet.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv_test_XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern + "/";
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in "/".
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    // Writes `bytes` to a file below the folder and gives its full path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path_ + name, std::ios::binary) << bytes;
        return path_ + name;
    }

private:
    std::string path_;
};
