#include "driverui/ppd_model_loader.h"

#include "platform/unique_c_file.h"
#include "ppd/ppd_input.h"

namespace marlow {
namespace {

int ReadNothing(void*) { return -1; }

}  // namespace

std::unique_ptr<PpdModel> LoadPpdModel(const WCHAR* path) {
    const UniqueCFile file(_wfopen(path, L"r"));
    if (!file) {
        return ReadPpdModel(ReadNothing, nullptr);
    }
    return ReadPpdModel(ReadPpdFileByte, file.Get());
}

}  // namespace marlow
