#include <Meridale.h>

#include "ProfileFiles.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace
{
class MakeIniFromMcodeTest : public ::testing::Test
{
protected:
    CTempFolder m_folder;
    CString m_model = m_folder / L"PCMODEL_XML.xml";
    CString m_ini = m_folder / L"modules.ini";

    void WriteModel(const std::string& utf8) { ASSERT_TRUE(WriteFileBytes(m_model, utf8.data(), utf8.size())); }
    // Failure must leave neither the file nor a half-written copy beside it.
    void ExpectNothingWritten() const
    {
        EXPECT_FALSE(PathExists(m_ini));
        EXPECT_FALSE(PathExists(m_ini + L".new"));
    }
};

TEST_F(MakeIniFromMcodeTest, WritesOneSectionPerModuleWithItsChildren)
{
    WriteModel(u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               u8"<Model name=\"PC-7\">\n"
               u8"  <Module id=\"M001\">\n"
               u8"    <CustomerLabel>Photo Studio</CustomerLabel>\n"
               u8"    <CustomerDescription>Edit &amp; organise your photos.</CustomerDescription>\n"
               u8"    <Version>3.1</Version>\n"
               u8"  </Module>\n"
               u8"  <Module>\n"
               u8"    <CustomerLabel>\u5199\u771f\u30b9\u30bf\u30b8\u30aa</CustomerLabel>\n"
               u8"    <CustomerDescription><![CDATA[<b>\u65e5\u672c\u8a9e</b>]]></CustomerDescription>\n"
               u8"    <Note/>\n"
               u8"  </Module>\n"
               u8"  <Module id=\"M003\"/>\n"
               u8"</Model>\n");

    ASSERT_TRUE(MakeIniFromMcode(m_ini, m_model));

    EXPECT_TRUE(StartsWithUtf16Bom(m_ini));
    EXPECT_EQ(L"M001\nModule2\nM003\n", ProfileSectionList(m_ini));
    ExpectProfileValues(m_ini, { { L"M001", L"CustomerLabel", L"Photo Studio" },
                                 { L"M001", L"CustomerDescription", L"Edit & organise your photos." },
                                 { L"M001", L"Version", L"3.1" },
                                 { L"Module2", L"CustomerLabel", L"\u5199\u771f\u30b9\u30bf\u30b8\u30aa" },
                                 { L"Module2", L"CustomerDescription", L"<b>\u65e5\u672c\u8a9e</b>" },
                                 { L"Module2", L"Note", L"" } });
    EXPECT_FALSE(PathExists(m_ini + L".new"));
}

TEST_F(MakeIniFromMcodeTest, TextThatTheProfileFunctionsWouldAlterSurvives)
{
    WriteModel("<Model><Module id=\"M1\">"
               "<CustomerLabel>  padded  </CustomerLabel>"
               "<CustomerDescription>\"quoted\"</CustomerDescription>"
               "<Lines>one\r\ntwo</Lines>"
               "</Module></Model>");

    ASSERT_TRUE(MakeIniFromMcode(m_ini, m_model));

    EXPECT_STREQ(L"  padded  ", ProfileValue(m_ini, L"M1", L"CustomerLabel"));
    EXPECT_STREQ(L"\"quoted\"", ProfileValue(m_ini, L"M1", L"CustomerDescription"));
    // A profile value is one line.
    EXPECT_STREQ(L"one two", ProfileValue(m_ini, L"M1", L"Lines"));
}

TEST_F(MakeIniFromMcodeTest, ModelWithoutModulesGivesAnEmptyFile)
{
    WriteModel("<?xml version=\"1.0\"?><Model name=\"empty\"/>");

    ASSERT_TRUE(MakeIniFromMcode(m_ini, m_model));

    EXPECT_TRUE(StartsWithUtf16Bom(m_ini));
    EXPECT_TRUE(ProfileSectionNames(m_ini).empty());
}

TEST_F(MakeIniFromMcodeTest, BadModelFilesWriteNothing)
{
    const std::string bad[] = {
        "<Model><Module id=\"M1\"></Model>",
        "<Model><Module id=\"M1\"/></Model><Model/>",
        "<Model name=unquoted/>",
        "",
        "<?xml version=\"1.0\"?>\n<!DOCTYPE Model [<!ENTITY big \"x\">]>\n"
        "<Model><Module id=\"M1\"><CustomerLabel>&big;</CustomerLabel></Module></Model>",
    };
    for (const std::string& text : bad)
    {
        SCOPED_TRACE(text);
        WriteModel(text);
        EXPECT_FALSE(MakeIniFromMcode(m_ini, m_model));
        ExpectNothingWritten();
    }
}

TEST_F(MakeIniFromMcodeTest, MissingOrEmptyPathsWriteNothing)
{
    EXPECT_FALSE(MakeIniFromMcode(m_ini, m_folder / L"absent.xml"));
    EXPECT_FALSE(MakeIniFromMcode(m_ini, CString()));
    EXPECT_FALSE(MakeIniFromMcode(m_ini, m_folder.Path()));
    ExpectNothingWritten();

    WriteModel("<Model><Module id=\"M1\"/></Model>");
    EXPECT_FALSE(MakeIniFromMcode(CString(), m_model));
}

TEST_F(MakeIniFromMcodeTest, FailureLeavesAnEarlierFileAlone)
{
    const char earlier[] = "[Old]\r\nCustomerLabel=Kept\r\n";
    ASSERT_TRUE(WriteFileBytes(m_ini, earlier, sizeof(earlier) - 1));
    WriteModel("<Model><Module>");

    EXPECT_FALSE(MakeIniFromMcode(m_ini, m_model));

    EXPECT_STREQ(L"Kept", ProfileValue(m_ini, L"Old", L"CustomerLabel"));
}

TEST_F(MakeIniFromMcodeTest, ReplacesAnEarlierFileWhole)
{
    const char earlier[] = "[Old]\r\nCustomerLabel=Gone\r\n";
    ASSERT_TRUE(WriteFileBytes(m_ini, earlier, sizeof(earlier) - 1));
    WriteModel("<Model><Module id=\"New\"><CustomerLabel>Fresh</CustomerLabel></Module></Model>");

    ASSERT_TRUE(MakeIniFromMcode(m_ini, m_model));

    EXPECT_EQ(L"New\n", ProfileSectionList(m_ini));
}

// The profile functions compare section names without regard to case and
// read them back without the blanks around them (a line break in one is a
// blank), so a module whose id is empty or taken, in any case or with other
// blanks around it, gets a derived name.
TEST_F(MakeIniFromMcodeTest, EveryModuleGetsASectionOfItsOwn)
{
    struct Case
    {
        const char* idAttribute;
        const wchar_t* section;
    };
    const Case cases[] = {
        { " id=\"Module2\"", L"Module2" },
        { "", L"Module2-2" },
        { " id=\"A\"", L"A" },
        { " id=\"A\"", L"Module4" },
        { " id=\"a\"", L"Module5" },
        { " id=\"\"", L"Module6" },
        { " id=\"module6\"", L"Module7" },
        { " id=\"x\"", L"x" },
        { " id=\"M9\"", L"M9" },
        { " id=\" M9 \"", L"Module10" },
        { " id=\"&#9;m9\"", L"Module11" },
        { " id=\"  \"", L"Module12" },
        { " id=\" y \"", L"y" },
        { " id=\"p q\"", L"p q" },
        { " id=\"p&#10;q\"", L"Module15" },
    };
    std::string xml = "<?xml version=\"1.0\"?>\n<Model>";
    for (size_t i = 0; i < std::size(cases); ++i)
        xml += std::string("<Module") + cases[i].idAttribute + "><CustomerLabel>L" + std::to_string(i) +
               "</CustomerLabel></Module>";
    WriteModel(xml + "</Model>\n");

    ASSERT_TRUE(MakeIniFromMcode(m_ini, m_model));

    const std::vector<CString> names = ProfileSectionNames(m_ini);
    ASSERT_EQ(std::size(cases), names.size());
    for (size_t i = 0; i < std::size(cases); ++i)
    {
        EXPECT_STREQ(cases[i].section, names[i]);
        EXPECT_STREQ(CString(L"L") + std::to_wstring(i).c_str(),
                     ProfileValue(m_ini, cases[i].section, L"CustomerLabel"));
    }
}
}
