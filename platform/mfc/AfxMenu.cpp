#include "AfxMenu.h"

#include <map>
#include <memory>

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!hMenu)
        return nullptr;
    thread_local std::map<HMENU, std::unique_ptr<CMenu>> temporaries;
    std::unique_ptr<CMenu>& pMenu = temporaries[hMenu];
    if (!pMenu)
    {
        pMenu.reset(new CMenu);
        pMenu->m_hMenu = hMenu;
    }
    return pMenu.get();
}
