#include "JsonList.h"
#include "Utf8Text.h"

#include <nlohmann/json.hpp>

std::string JsonListFile(const CCatalogue& rows)
{
    // Ordered, so that each object reads name first, as the list does.
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    list.get_ref<nlohmann::ordered_json::array_t&>().reserve(rows.size());
    for (const CProduct& row : rows)
    {
        nlohmann::ordered_json& object = list.emplace_back(nlohmann::ordered_json::object());
        object.get_ref<nlohmann::ordered_json::object_t&>().reserve(2);
        object.emplace("name", Utf8Of(row.m_strName));
        object.emplace("description", Utf8Of(row.m_strDescription));
    }
    // The text is valid UTF-8 by now; replacing rather than throwing keeps
    // the dump from ever failing.
    std::string strFile = list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    strFile += '\n';
    return strFile;
}
