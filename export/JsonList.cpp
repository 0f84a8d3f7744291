#include "JsonList.h"
#include "Utf8Text.h"

#include <nlohmann/json.hpp>

std::string JsonListFile(const CCatalogue& rows)
{
    // Ordered, so that each object reads name first, as the list does.
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CProduct& row : rows)
        list.push_back({ { "name", Utf8Of(row.m_strName) }, { "description", Utf8Of(row.m_strDescription) } });
    // The text is valid UTF-8 by now; replacing rather than throwing keeps
    // the dump from ever failing.
    return list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
