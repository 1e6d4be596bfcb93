#include "driverui/ppd_model_loader.h"

#include <cstdio>

namespace marlow {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

int ReadFileByte(void* context) { return std::fgetc(static_cast<std::FILE*>(context)); }

int ReadNothing(void*) { return -1; }

}  // namespace

std::unique_ptr<PpdModel> LoadPpdModel(const WCHAR* path) {
    FileHandle file(_wfopen(path, L"r"));
    if (!file) {
        return ReadPpdModel(ReadNothing, nullptr);
    }
    return ReadPpdModel(ReadFileByte, file.get());
}

}  // namespace marlow
