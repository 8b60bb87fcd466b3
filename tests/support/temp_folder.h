#pragma once
// A fresh, empty folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>

namespace testing_support {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A path inside the folder, as the program's single-byte text; `name` is taken byte for
    // byte, so Windows-1252 names stay as they are.
    std::string File(const std::string& name) const {
        return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator) +
               name;
    }
    // Makes the file `name` holding `content`, and gives back its path as File does.
    std::string Write(const std::string& name, const std::string& content) const;

  private:
    std::filesystem::path path_;
};

}  // namespace testing_support
