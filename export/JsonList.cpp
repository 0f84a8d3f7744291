#include "JsonList.h"
#include "Utf8Text.h"

#include <nlohmann/json.hpp>

std::string JsonListFile(const CCatalogue& rows)
{
    // The document the array's dump with an indent of 2 would give, made an
    // object at a time: each row's object is the library's and is written by
    // its serializer at the depth it has in the array, so that no tree of
    // every row stands in memory beside the text. (The serializer is the one
    // dump uses; its interface is the library's own detail.) Ordered, so
    // that each object reads name first, as the list does.
    if (rows.empty())
        return "[]\n";
    std::string strFile;
    // An object's indents, keys and quotes take some 45 bytes.
    strFile.reserve(RoomForRows(rows, 48));
    using CJson = nlohmann::ordered_json;
    // The text is valid UTF-8 by now; replacing rather than throwing keeps
    // the dump from ever failing.
    nlohmann::detail::serializer<CJson> serializer(nlohmann::detail::output_adapter<char, std::string>(strFile), ' ',
                                                   CJson::error_handler_t::replace);
    const char* pszBefore = "[\n  ";
    for (const CProduct& row : rows)
    {
        strFile += pszBefore;
        pszBefore = ",\n  ";
        CJson object = CJson::object();
        object.get_ref<CJson::object_t&>().reserve(2);
        object.emplace("name", Utf8Of(row.m_strName));
        object.emplace("description", Utf8Of(row.m_strDescription));
        serializer.dump(object, true, false, 2, 2);
    }
    strFile += "\n]\n";
    return strFile;
}
