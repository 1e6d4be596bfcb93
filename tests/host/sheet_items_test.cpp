// The driver's items as the host kit builds them from its reading of a PPD
// file, and the kit's access to the fields of a private section.
#include "host/item_array.h"
#include "host/private_section_layout.h"
#include "host/sheet_items.h"

#include <gtest/gtest.h>

namespace marlow::host {
namespace {

const char kPpd[] =
    "*OpenGroup: InstallableOptions/Installed Options\n"
    "*OpenUI *QVDuplexOption/Duplex Unit: Boolean\n"
    "*DefaultQVDuplexOption: False\n"
    "*QVDuplexOption True/Installed: \"\"\n"
    "*QVDuplexOption False/Not Installed: \"\"\n"
    "*CloseUI: *QVDuplexOption\n"
    "*CloseGroup: InstallableOptions\n"
    "*OpenUI *InputSlot/Paper Source: PickOne\n"
    "*DefaultInputSlot: LC2\n"
    "*InputSlot LC1/Cassette 1: \"\"\n"
    "*InputSlot LC2/Cassette 2: \"\"\n"
    "*CloseUI: *InputSlot\n"
    "*OpenUI *Duplex/2-Sided: PickOne\n"
    "*Duplex DuplexNoTumble/Long Edge: \"\"\n"
    "*Duplex None/Off: \"\"\n"
    "*CloseUI: *Duplex\n"
    "*OpenUI *QVGloss/Gloss Finish: PickOne\n"
    "*DefaultQVGloss: High\n"
    "*QVGloss Off/Off: \"\"\n"
    "*QVGloss High/High: \"\"\n"
    "*CloseUI: *QVGloss\n";

const HostItemDescription* FindByName(const std::vector<HostItemDescription>& descriptions,
                                      const std::wstring& name) {
    for (const HostItemDescription& description : descriptions) {
        if (description.nameResourceId == 0 && description.name == name) return &description;
    }
    return nullptr;
}

const HostItemDescription* FindById(const std::vector<HostItemDescription>& descriptions,
                                    BYTE dmPubId) {
    for (const HostItemDescription& description : descriptions) {
        if (description.dmPubId == dmPubId) return &description;
    }
    return nullptr;
}

TEST(SheetItems, DocumentSheetHasTheStandardItemsThenThePrintersOwnFeatures) {
    const std::vector<HostItemDescription> descriptions =
        BuildDocumentItemDescriptions(ParsePrinterPpd(kPpd));
    const HostItemDescription* source = FindById(descriptions, DMPUB_DEFSOURCE);
    ASSERT_NE(nullptr, source);
    EXPECT_EQ((std::vector<std::wstring>{L"Cassette 1", L"Cassette 2"}), source->options);
    EXPECT_EQ(1, source->sel) << "the PPD's default";

    // The duplex item keeps the driver's order - none, short, long - with
    // the PPD's texts where it has them.
    const HostItemDescription* duplex = FindById(descriptions, DMPUB_DUPLEX);
    ASSERT_NE(nullptr, duplex);
    EXPECT_EQ((std::vector<std::wstring>{L"Off", L"Flip on Short Edge", L"Long Edge"}), duplex->options);

    const HostItemDescription* gloss = FindByName(descriptions, L"Gloss Finish");
    ASSERT_NE(nullptr, gloss);
    EXPECT_EQ("QVGloss", gloss->keyword);
    EXPECT_EQ(1, gloss->sel);
    EXPECT_EQ(nullptr, FindByName(descriptions, L"Duplex Unit"))
        << "installable options are printer settings";
    EXPECT_TRUE(source->keyword.empty()) << "standard items carry no keyword";
}

TEST(SheetItems, PrinterSheetHasTheTrayAssignmentsAndTheInstallableOptions) {
    const std::vector<HostItemDescription> descriptions =
        BuildPrinterItemDescriptions(ParsePrinterPpd(kPpd));
    std::size_t group = descriptions.size();
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        if (descriptions[i].nameResourceId == kFormTrayAssignName) group = i;
    }
    ASSERT_LT(group + 2, descriptions.size());
    EXPECT_EQ(L"Cassette 1", descriptions[group + 1].name);
    EXPECT_EQ(L"Cassette 2", descriptions[group + 2].name);
    EXPECT_GT(descriptions[group + 1].level, descriptions[group].level);
    const HostItemDescription* unit = FindByName(descriptions, L"Duplex Unit");
    ASSERT_NE(nullptr, unit);
    EXPECT_EQ("QVDuplexOption", unit->keyword);
    EXPECT_EQ(1, unit->sel);
}

TEST(SheetItems, TheItemArrayHoldsWhatTheDescriptionsSay) {
    HostItemDescription named;
    named.name = L"Gloss Finish";
    named.keyword = "QVGloss";
    named.options = {L"Off", L"High"};
    named.sel = 1;
    HostItemDescription byId;
    byId.nameResourceId = kInitialTreeItemName;
    ItemArray items({named, byId});
    ASSERT_EQ(2u, items.Count());
    EXPECT_EQ(L"Gloss Finish", ItemArray::DescribeName(items[0]));
    EXPECT_EQ(L"#400", ItemArray::DescribeName(items[1]));
    ASSERT_NE(nullptr, items[0].pOptType);
    EXPECT_EQ(2, items[0].pOptType->Count);
    EXPECT_STREQ(L"High", items[0].pOptType->pOptParam[1].pData);
    const auto* userData = reinterpret_cast<const USERDATA*>(items[0].UserData);
    ASSERT_NE(nullptr, userData);
    EXPECT_STREQ("QVGloss", userData->pKeyWordName);
    EXPECT_EQ(0u, items[1].UserData) << "no keyword, no USERDATA";
    EXPECT_EQ(nullptr, items[1].pOptType) << "no choices, no OPTTYPE";
    EXPECT_EQ(&items[0], items.FindByName(L"Gloss Finish"));
    EXPECT_EQ(nullptr, items.FindByName(L"#400"));
}

TEST(PrivateSectionLayout, TextsStayInsideTheirFields) {
    std::vector<unsigned char> section(172, 0xEE);
    const SectionField& password = *FindSectionField("wszJobPassword");
    WriteSectionText(section.data(), password, L"123456789");
    EXPECT_EQ(L"1234", ReadSectionText(section.data(), password)) << "cut to four digits and a NUL";
    EXPECT_EQ(0xEE, section[password.offset + 2 * password.units]) << "the next field is untouched";

    // A field without a terminator reads up to its end and no further.
    const SectionField& name = *FindSectionField("wszJobName");
    for (std::size_t i = 0; i < 2 * name.units; ++i) section[name.offset + i] = 'A' - (i % 2) * 'A';
    EXPECT_EQ(std::wstring(name.units, L'A'), ReadSectionText(section.data(), name));
    EXPECT_EQ(nullptr, FindSectionField("dwNoSuchField"));
    EXPECT_STREQ("unknown, read as no stored job", DescribeReserveJobType(3));
}

}  // namespace
}  // namespace marlow::host
