// The files of one package folder, found as Windows finds them: names
// compare without regard to ASCII case, whatever the file system does.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace marlow {

class PackageFolder {
public:
    PackageFolder(std::filesystem::path root, std::string label)
        : root_(std::move(root)), label_(std::move(label)) {}

    // The file at a relative path ('\' or '/' separated); false when a part
    // of it is missing or it is no regular file.
    [[nodiscard]] bool FindFile(const std::string& relative, std::filesystem::path& found) const;
    // The whole file; false when it cannot be read.
    [[nodiscard]] static bool ReadBytes(const std::filesystem::path& file,
                                        std::vector<unsigned char>& bytes);
    // How findings name a file of the package: the folder as given, '/', the
    // path inside it with '/' separators.
    std::string Describe(const std::string& relative) const;
    const std::filesystem::path& GetRoot() const { return root_; }
    const std::string& GetLabel() const { return label_; }

private:
    std::filesystem::path root_;
    std::string label_;
};

// The relative path with '/' separators, no leading separator and no empty
// or "." parts; false when it climbs out of the folder ("..") or names a
// drive.
[[nodiscard]] bool NormalizeRelativePath(const std::string& path, std::string& normalized);

}  // namespace marlow
