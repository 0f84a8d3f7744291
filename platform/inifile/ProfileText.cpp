#include "ProfileText.h"
#include <AfxHandle.h>
#include <NoLinkFile.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
enum class EEncoding
{
    Ansi,
    Utf8,
    Utf16Le,
    Utf16Be
};

// Decodes the bytes of a file as they come, a run of whole lines at a time,
// and hands the lines over.
class CProfileTextDecoder
{
public:
    explicit CProfileTextDecoder(const CProfileLineHandler& onLine) : m_onLine(onLine) {}

    void Add(const char* pBytes, size_t cbBytes);
    // The file has ended: the rest is decoded too.
    void Finish();

private:
    void DetectEncoding();
    // How many of the pending bytes hold whole lines: up to the last line
    // break that stands on a character boundary. A CR last of all waits for
    // what follows, which may be its LF.
    size_t WholeLines(size_t nNewFrom);
    size_t WholeDoubleByteLines();
    void Decode(size_t cbBytes);

    const CProfileLineHandler& m_onLine;
    bool m_bDetected = false;
    EEncoding m_encoding = EEncoding::Ansi;
    // The ANSI code page's lead bytes, when it has characters of two bytes.
    std::vector<bool> m_leadBytes;
    std::string m_pending;
    // How far the double-byte walk has come through m_pending, always on a
    // character boundary, and the end of the last line break it met.
    size_t m_nWalked = 0;
    size_t m_nLastBreak = 0;
    std::wstring m_text;
};

void CProfileTextDecoder::Add(const char* pBytes, size_t cbBytes)
{
    size_t nNewFrom = m_pending.size();
    m_pending.append(pBytes, cbBytes);
    if (!m_bDetected)
    {
        // The longest byte-order mark has three bytes.
        if (m_pending.size() < 3)
            return;
        DetectEncoding();
        nNewFrom = 0;
    }
    if (const size_t cbLines = WholeLines(nNewFrom))
        Decode(cbLines);
}

void CProfileTextDecoder::Finish()
{
    if (!m_bDetected)
        DetectEncoding();
    Decode(m_pending.size());
}

void CProfileTextDecoder::DetectEncoding()
{
    // As the profile functions tell them: a UTF-8 mark first, then the
    // UTF-16 marks of either order; nothing else counts.
    const auto starts = [&](const char* pMark, size_t cbMark) {
        return m_pending.compare(0, cbMark, pMark, cbMark) == 0;
    };
    size_t cbMark = 0;
    if (starts("\xEF\xBB\xBF", 3))
        m_encoding = EEncoding::Utf8, cbMark = 3;
    else if (starts("\xFF\xFE", 2))
        m_encoding = EEncoding::Utf16Le, cbMark = 2;
    else if (starts("\xFE\xFF", 2))
        m_encoding = EEncoding::Utf16Be, cbMark = 2;
    m_pending.erase(0, cbMark);
    CPINFO info = {};
    if (m_encoding == EEncoding::Ansi && GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 2)
    {
        m_leadBytes.assign(256, false);
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
                m_leadBytes[static_cast<size_t>(b)] = true;
    }
    m_bDetected = true;
}

size_t CProfileTextDecoder::WholeLines(size_t nNewFrom)
{
    if (!m_leadBytes.empty())
        return WholeDoubleByteLines();
    // Line breaks are the characters CR and LF; in UTF-16 a character of
    // two bytes, elsewhere one byte that is never part of another character.
    const size_t cbUnit = (m_encoding == EEncoding::Utf16Le || m_encoding == EEncoding::Utf16Be) ? 2 : 1;
    const size_t nUnits = m_pending.size() / cbUnit;
    const auto unitAt = [&](size_t n) -> wchar_t {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(m_pending.data()) + n * cbUnit;
        if (cbUnit == 1)
            return p[0];
        return static_cast<wchar_t>(m_encoding == EEncoding::Utf16Le ? p[0] | (p[1] << 8) : (p[0] << 8) | p[1]);
    };
    // A CR that was last before these bytes came is looked at again.
    const size_t nFirstNew = nNewFrom / cbUnit;
    for (size_t n = nUnits; n > (nFirstNew ? nFirstNew - 1 : 0); --n)
    {
        const wchar_t ch = unitAt(n - 1);
        if (ch == L'\n' || (ch == L'\r' && n < nUnits))
            return n * cbUnit;
    }
    return 0;
}

size_t CProfileTextDecoder::WholeDoubleByteLines()
{
    // The decoder takes a lead byte and whatever byte follows as one
    // character, a CR or LF too: only a walk from a character boundary
    // tells which bytes are line breaks.
    const size_t cbPending = m_pending.size();
    while (m_nWalked < cbPending)
    {
        const unsigned char b = static_cast<unsigned char>(m_pending[m_nWalked]);
        if (m_leadBytes[b])
        {
            if (m_nWalked + 1 == cbPending)
                break;
            m_nWalked += 2;
            continue;
        }
        ++m_nWalked;
        if (b == '\n' || (b == '\r' && m_nWalked < cbPending && m_pending[m_nWalked] != '\n'))
            m_nLastBreak = m_nWalked;
    }
    return m_nLastBreak;
}

void CProfileTextDecoder::Decode(size_t cbBytes)
{
    const char* pBytes = m_pending.data();
    if (m_encoding == EEncoding::Utf16Le || m_encoding == EEncoding::Utf16Be)
    {
        // A last odd byte is no character.
        m_text.resize(cbBytes / 2);
        for (size_t i = 0; i < m_text.size(); ++i)
        {
            const unsigned char b0 = static_cast<unsigned char>(pBytes[2 * i]);
            const unsigned char b1 = static_cast<unsigned char>(pBytes[2 * i + 1]);
            m_text[i] = static_cast<wchar_t>(m_encoding == EEncoding::Utf16Le ? b0 | (b1 << 8) : (b0 << 8) | b1);
        }
    }
    else
    {
        const UINT nCodePage = m_encoding == EEncoding::Utf8 ? CP_UTF8 : CP_ACP;
        const int cb = static_cast<int>(cbBytes);
        m_text.resize(static_cast<size_t>(MultiByteToWideChar(nCodePage, 0, pBytes, cb, nullptr, 0)));
        if (!m_text.empty())
            MultiByteToWideChar(nCodePage, 0, pBytes, cb, &m_text[0], static_cast<int>(m_text.size()));
    }
    m_pending.erase(0, cbBytes);
    m_nWalked -= std::min(m_nWalked, cbBytes);
    m_nLastBreak = 0;

    const std::wstring_view text(m_text);
    for (size_t nStart = 0; nStart < text.size();)
    {
        const size_t nEnd = std::min(text.find_first_of(L"\r\n", nStart), text.size());
        m_onLine(text.substr(nStart, nEnd - nStart));
        nStart = (nEnd + 1 < text.size() && text[nEnd] == L'\r' && text[nEnd + 1] == L'\n') ? nEnd + 2 : nEnd + 1;
    }
}
}

bool ReadProfileLines(const CFileInFolder& file, const CProfileLineHandler& onLine)
{
    ULONGLONG cbSize = 0;
    const CFileHandle opened(OpenFileToRead(file, cbSize));
    return opened && ReadProfileLines(opened.get(), cbSize, onLine);
}

bool ReadProfileLines(HANDLE hFile, ULONGLONG cbLeft, const CProfileLineHandler& onLine)
{
    CProfileTextDecoder decoder(onLine);
    std::vector<char> piece(kProfilePieceBytes);
    // Never past the size it had when opened, whatever is added meanwhile.
    while (cbLeft > 0)
    {
        DWORD cbRead = 0;
        const DWORD cbWanted = static_cast<DWORD>(std::min<ULONGLONG>(cbLeft, piece.size()));
        if (!ReadFile(hFile, piece.data(), cbWanted, &cbRead, nullptr))
            return false;
        if (cbRead == 0)
            break;
        cbLeft -= cbRead;
        decoder.Add(piece.data(), cbRead);
    }
    decoder.Finish();
    return true;
}
