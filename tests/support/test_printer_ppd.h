// A small PPD of the printer family for the item tests: two installable
// features that rule out input slots and duplex modes, the colour mode, an
// output bin tied to the stacker, and a feature the plug-in does not look
// after.
#pragma once

namespace marlow::test {

inline constexpr const char kTestPrinterPpd[] = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*Manufacturer: "Vantor"
*ModelName: "Vantor Marlow C Test"
*NickName: "Vantor Marlow C Test"

*OpenGroup: InstallableOptions/Installed Options
*OpenUI *QVTrayUnit/Lower Cassette Unit: PickOne
*DefaultQVTrayUnit: 1Tray
*QVTrayUnit 1Tray/Not Installed: ""
*QVTrayUnit 2Tray/One Cassette: ""
*QVTrayUnit 3Tray/Two Cassettes: ""
*CloseUI: *QVTrayUnit
*OpenUI *QVDuplexOption/Duplex Unit: Boolean
*DefaultQVDuplexOption: False
*QVDuplexOption True/Installed: ""
*QVDuplexOption False/Not Installed: ""
*CloseUI: *QVDuplexOption
*OpenUI *QVStackerOption/Stacker Unit: Boolean
*DefaultQVStackerOption: False
*QVStackerOption True/Installed: ""
*QVStackerOption False/Not Installed: ""
*CloseUI: *QVStackerOption
*CloseGroup: InstallableOptions

*OpenGroup: General/General
*OpenUI *InputSlot/Paper Source: PickOne
*DefaultInputSlot: Auto
*InputSlot Auto/Automatically Select: ""
*InputSlot LC1/Cassette 1: ""
*InputSlot LC2/Cassette 2: ""
*InputSlot LC3/Cassette 3: ""
*CloseUI: *InputSlot
*OpenUI *Duplex/2-Sided Printing: PickOne
*DefaultDuplex: None
*Duplex None/Off: ""
*Duplex DuplexTumble/Short Edge: ""
*Duplex DuplexNoTumble/Long Edge: ""
*CloseUI: *Duplex
*OpenUI *OutputBin/Output Bin: PickOne
*DefaultOutputBin: FaceDown
*OutputBin FaceDown/Face Down Tray: ""
*OutputBin Stacker/Stacker: ""
*CloseUI: *OutputBin
*OpenUI *QVRendering/Color Mode: PickOne
*DefaultQVRendering: Color
*QVRendering Gray/Grayscale: ""
*QVRendering Color/Color: ""
*CloseUI: *QVRendering
*OpenUI *QVGloss/Gloss Finish: PickOne
*DefaultQVGloss: Off
*QVGloss Off/Off: ""
*QVGloss High/High: ""
*CloseUI: *QVGloss
*CloseGroup: General

*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC2
*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC3
*UIConstraints: *QVTrayUnit 2Tray *InputSlot LC3
*UIConstraints: *QVDuplexOption False *Duplex DuplexTumble
*UIConstraints: *QVDuplexOption False *Duplex DuplexNoTumble
*UIConstraints: *QVStackerOption False *OutputBin Stacker
*UIConstraints: *QVStackerOption False *QVGloss High
)PPD";

}  // namespace marlow::test
