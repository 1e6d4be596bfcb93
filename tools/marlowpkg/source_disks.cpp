#include "source_disks.h"

#include "package_folder.h"

namespace marlow {

namespace {

// The line for the key in the decorated section, else in the undecorated
// one; the section's name where it was found.
const InfLine* FindDecoratedLine(const InfFile& inf, const std::string& base,
                                 Architecture architecture, const std::string& key,
                                 std::string& sectionName) {
    const std::string decorated = base + "." + GetDecorationName(architecture);
    if (const InfLine* line = inf.FindLine(decorated, key)) {
        sectionName = decorated;
        return line;
    }
    sectionName = base;
    return inf.FindLine(base, key);
}

std::string Field(const InfLine& line, std::size_t index) {
    return index < line.fields.size() ? line.fields[index] : "";
}

}  // namespace

bool ResolveSource(const InfFile& inf, Architecture architecture, const std::string& fileName,
                   SourceLocation& location, std::string& problem) {
    std::string filesSection;
    const InfLine* file =
        FindDecoratedLine(inf, "SourceDisksFiles", architecture, fileName, filesSection);
    if (file == nullptr) {
        problem = fileName + " is copied, but neither [SourceDisksFiles." +
                  GetDecorationName(architecture) + "] nor [SourceDisksFiles] lists it, so " +
                  GetPlatformDisplayName(architecture) + " installs cannot find it";
        return false;
    }
    const std::string disk = Field(*file, 0);
    std::string namesSection;
    const InfLine* diskLine =
        disk.empty() ? nullptr
                     : FindDecoratedLine(inf, "SourceDisksNames", architecture, disk, namesSection);
    if (diskLine == nullptr) {
        problem = "[" + filesSection + "] puts " + fileName + " on disk \"" + disk +
                  "\", which no [SourceDisksNames." + GetDecorationName(architecture) +
                  "] or [SourceDisksNames] line describes";
        return false;
    }
    std::string relative;
    if (!NormalizeRelativePath(Field(*diskLine, 3) + "/" + Field(*file, 1) + "/" + fileName,
                               relative)) {
        problem = "the source path of " + fileName + " for " + GetPlatformDisplayName(architecture) +
                  " leaves the package";
        return false;
    }
    location.relative = relative;
    location.nLine = file->nLine;
    return true;
}

}  // namespace marlow
