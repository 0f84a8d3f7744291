#include <SoftwareInfoCommandLine.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace
{
// Parses parameters as the framework hands them over: a leading '/' or '-'
// is removed and marks the parameter as a flag.
CSoftwareInfoCommandLine Parse(std::initializer_list<const wchar_t*> params)
{
    CSoftwareInfoCommandLine info;
    size_t i = 0;
    for (const wchar_t* param : params)
    {
        const bool bFlag = param[0] == L'/' || param[0] == L'-';
        info.ParseParam(bFlag ? param + 1 : param, bFlag, ++i == params.size());
    }
    return info;
}
}

TEST(CSoftwareInfoCommandLine, RecognisesTheSwitchesInAnyCaseWithEitherPrefix)
{
    for (const wchar_t* halt : { L"/halt", L"-halt", L"/HALT", L"-HaLt" })
    {
        CSoftwareInfoCommandLine info = Parse({ halt });
        EXPECT_TRUE(info.m_bHalt) << halt;
        EXPECT_FALSE(info.m_bHaltAll) << halt;
    }
    for (const wchar_t* haltAll : { L"/haltAll", L"-HALTALL", L"/haltall" })
    {
        CSoftwareInfoCommandLine info = Parse({ haltAll });
        EXPECT_FALSE(info.m_bHalt) << haltAll;
        EXPECT_TRUE(info.m_bHaltAll) << haltAll;
    }
}

TEST(CSoftwareInfoCommandLine, BareWordsAndNearMissesAreNotSwitches)
{
    for (const wchar_t* param : { L"halt", L"haltAll", L"/halts", L"/hal", L"//halt", L"/halt all" })
    {
        CSoftwareInfoCommandLine info = Parse({ param });
        EXPECT_FALSE(info.m_bHalt) << param;
        EXPECT_FALSE(info.m_bHaltAll) << param;
    }
}

TEST(CSoftwareInfoCommandLine, BothSwitchesAreRecordedAndParametersStillReachTheBase)
{
    CSoftwareInfoCommandLine info = Parse({ L"catalogue.ini", L"/haltAll", L"-halt" });
    EXPECT_TRUE(info.m_bHalt);
    EXPECT_TRUE(info.m_bHaltAll);
    EXPECT_STREQ(L"catalogue.ini", info.m_strFileName);
}

TEST(CSoftwareInfoCommandLine, ExportSwitchesTakeTheParameterAfterThemAsTheirFile)
{
    const struct
    {
        std::initializer_list<const wchar_t*> m_params;
        std::vector<std::pair<EListFormat, const wchar_t*>> m_exports;
        const wchar_t* m_pszWithoutFile;
    } cases[] = {
        { { L"/scomma", L"a.csv" }, { { EListFormat::CommaSeparated, L"a.csv" } }, L"" },
        { { L"-STAB", L"C:\\lists\\b.txt" }, { { EListFormat::TabSeparated, L"C:\\lists\\b.txt" } }, L"" },
        { { L"/sHtml", L"c.html", L"-sjson", L"d.json" },
          { { EListFormat::Html, L"c.html" }, { EListFormat::Json, L"d.json" } },
          L"" },
        { { L"/halt", L"/scomma", L"a.csv" }, { { EListFormat::CommaSeparated, L"a.csv" } }, L"" },
        { { L"/scomma" }, {}, L"scomma" },
        { { L"/scomma", L"" }, {}, L"scomma" },
        { { L"/scomma", L"/halt" }, {}, L"scomma" },
        { { L"/sjson", L"-x.json" }, {}, L"sjson" },
        { { L"/sjson", L"d.json", L"/stab" }, { { EListFormat::Json, L"d.json" } }, L"stab" },
        { { L"/shtml", L"/stab" }, {}, L"shtml" },
        { { L"scomma", L"a.csv" }, {}, L"" },
        { { L"/scomma.csv", L"a.csv" }, {}, L"" },
    };
    for (const auto& c : cases)
    {
        const CSoftwareInfoCommandLine info = Parse(c.m_params);
        std::vector<std::pair<EListFormat, CString>> exports;
        for (const CExportRequest& request : info.m_exports)
            exports.emplace_back(request.m_format, request.m_strPath);
        std::vector<std::pair<EListFormat, CString>> expected(c.m_exports.begin(), c.m_exports.end());
        EXPECT_EQ(expected, exports) << *c.m_params.begin();
        EXPECT_STREQ(c.m_pszWithoutFile, info.m_strSwitchWithoutFile) << *c.m_params.begin();
        EXPECT_EQ(!expected.empty() || *c.m_pszWithoutFile, info.IsExport()) << *c.m_params.begin();
    }
}
