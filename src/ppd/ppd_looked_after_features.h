// The PPD main keywords of the 28 features whose items the plug-in looks
// after on the document sheet, in the order of its feature name table. The
// portable list, for tools that tell what a PPD file gives the plug-in; the
// feature name table on the Windows side holds the same keywords with their
// item ids and display strings, and checks when it is compiled that they are
// these.
#pragma once

#include <cstdint>

namespace marlow {

constexpr std::int32_t kLookedAfterFeatureCount = 28;

inline constexpr const char16_t* kLookedAfterFeatureKeywords[kLookedAfterFeatureCount] = {
    u"*InputSlot",
    u"*Resolution",
    u"*MediaType",
    u"*PageSize",
    u"*Duplex",
    u"*InstalledMemory",
    u"*QVTrayUnit",
    u"*QVDuplexOption",
    u"*QVStackerOption",
    u"*QVCompactFlash",
    u"*QVScreens",
    u"*QVPureBlack",
    u"*QVSharpline",
    u"*QVToner",
    u"*QVImageProtect",
    u"*QVRendering",
    u"*QVPressSimulation",
    u"*QVCMYKMethod",
    u"*QVRGBSource",
    u"*QVRGBIntent",
    u"*QVSeparations",
    u"*OutputBin",
    u"*QVDensity",
    u"*QVRotate180Degrees",
    u"*QVRotate90Degrees",
    u"*QVStartSide",
    u"*QVAutoMonoMode",
    u"*QVOUTPUTID"};

}  // namespace marlow
