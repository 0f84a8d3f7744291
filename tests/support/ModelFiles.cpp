#include "ModelFiles.h"

#include "TestFolders.h"

namespace
{
std::string Escaped(const std::string& text)
{
    std::string out;
    for (char ch : text)
    {
        if (ch == '&')
            out += "&amp;";
        else if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else
            out += ch;
    }
    return out;
}
}

bool WriteModelFile(const CString& path, const std::vector<ModelModule>& modules)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Model name=\"TEST-1\">\n";
    for (size_t i = 0; i < modules.size(); ++i)
    {
        xml += "  <Module id=\"M" + std::to_string(i + 1) + "\">\n";
        xml += "    <CustomerLabel>" + Escaped(modules[i].m_label) + "</CustomerLabel>\n";
        xml += "    <CustomerDescription>" + Escaped(modules[i].m_description) + "</CustomerDescription>\n";
        xml += "  </Module>\n";
    }
    xml += "</Model>\n";
    return WriteFileBytes(path, xml.data(), xml.size());
}
