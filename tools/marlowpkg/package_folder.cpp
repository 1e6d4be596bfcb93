#include "package_folder.h"

#include <fstream>
#include <system_error>

#include "inf_file.h"

namespace marlow {

namespace {

// The entry of that name in the folder, ignoring case; an exact match wins.
bool FindEntry(const std::filesystem::path& folder, const std::string& name,
               std::filesystem::path& found) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return false;
    }
    bool bFound = false;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string entryName = entry.path().filename().u8string();
        if (entryName == name) {
            found = entry.path();
            return true;
        }
        if (!bFound && EqualsIgnoringCase(entryName, name)) {
            found = entry.path();
            bFound = true;
        }
    }
    return bFound;
}

}  // namespace

bool NormalizeRelativePath(const std::string& path, std::string& normalized) {
    normalized.clear();
    if (path.find(':') != std::string::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            return false;
        }
        if (!part.empty() && part != ".") {
            normalized += (normalized.empty() ? "" : "/") + part;
        }
        start = end + 1;
    }
    return true;
}

bool PackageFolder::FindFile(const std::string& relative, std::filesystem::path& found) const {
    std::string normalized;
    if (!NormalizeRelativePath(relative, normalized) || normalized.empty()) {
        return false;
    }
    std::filesystem::path current = root_;
    std::size_t start = 0;
    while (start < normalized.size()) {
        std::size_t end = normalized.find('/', start);
        if (end == std::string::npos) {
            end = normalized.size();
        }
        std::filesystem::path next;
        if (!FindEntry(current, normalized.substr(start, end - start), next)) {
            return false;
        }
        current = next;
        start = end + 1;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(current, error)) {
        return false;
    }
    found = current;
    return true;
}

bool PackageFolder::ReadBytes(const std::filesystem::path& file, std::vector<unsigned char>& bytes) {
    std::ifstream stream(file, std::ios::binary | std::ios::ate);
    if (!stream) {
        return false;
    }
    const std::streamoff size = stream.tellg();
    if (size < 0 || !stream.seekg(0)) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    return size == 0 ||
           static_cast<bool>(stream.read(reinterpret_cast<char*>(bytes.data()), size));
}

std::string PackageFolder::Describe(const std::string& relative) const {
    std::string normalized;
    if (!NormalizeRelativePath(relative, normalized)) {
        normalized = relative;
    }
    std::string label = label_;
    while (label.size() > 1 && (label.back() == '/' || label.back() == '\\')) {
        label.pop_back();
    }
    return label + "/" + normalized;
}

}  // namespace marlow
