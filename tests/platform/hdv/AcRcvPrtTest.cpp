#include "FactoryVolume.h"

#include <gtest/gtest.h>

namespace
{
bool IsFile(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A factory volume whose content is idf\<marker>.
class CVolumeSetup : public CFactoryVolume
{
public:
    explicit CVolumeSetup(LPCWSTR marker)
    {
        CreateDirectoryW(*this / L"idf", nullptr);
        WriteFileBytes(Content() + L"\\idf\\" + marker, "x", 1);
    }
};

// A letter no test prefix uses.
const wchar_t kLetter = L'Q';

TEST(AcRcvPrtTest, InitializeNeedsHdvIniNamingAnExistingFolder)
{
    CVolumeSetup setup(L"a.txt");
    EXPECT_FALSE(setup.Run(L"initialize")) << "no Hdv.ini";

    setup.WriteIni("[FactoryVolume]\r\nLetter=Q\r\n");
    EXPECT_FALSE(setup.Run(L"initialize")) << "no Source";

    setup.Configure(setup.Content() + L"\\absent", L"Q");
    EXPECT_FALSE(setup.Run(L"initialize")) << "missing folder";

    setup.Configure(setup.Content() + L"\\idf\\a.txt", L"Q");
    EXPECT_FALSE(setup.Run(L"initialize")) << "a file";

    setup.Configure(L"7");
    EXPECT_FALSE(setup.Run(L"initialize")) << "not a drive letter";

    setup.Configure(nullptr);
    EXPECT_TRUE(setup.Run(L"initialize")) << "folder, no letter";

    setup.Configure(L"q:");
    EXPECT_TRUE(setup.Run(L"initialize")) << "letter with colon";
}

// The first letter from D that no drive uses.
wchar_t FirstFreeLetter()
{
    for (wchar_t letter = L'D'; letter <= L'Z'; ++letter)
        if (!DriveExists(letter))
            return letter;
    return L'\0';
}

// What Q was before a program's start.
enum class Before
{
    Free,
    LeadsToSource,
    LeadsElsewhere
};

// One start of a program (held between activation and deactivation) with
// Letter=Q or no Letter, whatever Q was before.
TEST(AcRcvPrtTest, ALetterIsDefinedOnlyWhenFreeAndRemovedOnlyByTheProcessThatDefinedIt)
{
    struct Case
    {
        const char* what;
        LPCWSTR setting;
        Before before;
        bool activates;
        bool removes;
    };
    const Case cases[] = {
        { "Letter=Q, Q free", L"Q", Before::Free, true, true },
        { "Letter=Q, Q the user's own to Source", L"Q", Before::LeadsToSource, true, false },
        { "Letter=Q, Q in use elsewhere", L"Q", Before::LeadsElsewhere, false, false },
        { "no Letter, none leads to Source", nullptr, Before::Free, true, true },
        { "no Letter, Q the user's own to Source", nullptr, Before::LeadsToSource, true, false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(DriveGoes(kLetter));
        CVolumeSetup setup(L"a.txt");
        setup.Configure(c.setting);
        CVolumeSetup users(L"users.txt");
        if (c.before != Before::Free)
        {
            users.Configure(c.before == Before::LeadsToSource ? setup.Content() : users.Content(), L"Q");
            ASSERT_TRUE(users.Activate());
        }
        const CString before = c.before == Before::LeadsElsewhere ? L"users.txt" : L"a.txt";
        const wchar_t expected = c.setting || c.before == Before::LeadsToSource ? kLetter : FirstFreeLetter();
        const wchar_t firstFree = FirstFreeLetter();

        EXPECT_EQ(c.activates, setup.Activate());
        if (c.activates)
        {
            EXPECT_TRUE(IsFile(DriveRoot(expected) + L"idf\\a.txt"));
        }
        if (c.before == Before::LeadsToSource)
        {
            EXPECT_FALSE(DriveExists(firstFree)) << "no second letter";
        }
        EXPECT_EQ(c.removes, setup.Release());

        EXPECT_TRUE(c.removes ? DriveGoes(expected) : DriveExists(expected));
        if (c.before != Before::Free)
        {
            EXPECT_TRUE(IsFile(DriveRoot(kLetter) + L"idf\\" + before)) << "the user's letter stays as it was";
        }
    }
}
}
