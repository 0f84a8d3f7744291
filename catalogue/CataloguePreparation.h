#pragma once
// The first-run preparation: builds apps.ini from the factory model file
// when it is missing.
#include "Catalogue.h"
#include "CatalogueLocations.h"

#include <NoLinkFolder.h>

// Whether the shell may show its own report when it cannot start
// Unicode.exe (a file that is no program, say): the dialog lets it, an
// export shows no window.
enum class EShellReports
{
    Shown,
    Hidden,
};

// When apps.ini is missing from the data folder (open and judged trusted:
// CDataFolder), runs the whole pipeline: the program's folder judged and
// its libraries loaded, factory volume, model file, modules.ini, temp.ini
// (a leftover from an interrupted start removed first), Unicode.exe. Every
// file of the data folder is used by that folder's handle. Tells the caller
// nothing (each failing step leaves its cause through OutputDebugStringW);
// the caller reads apps.ini either way.
void PrepareCatalogue(const CNoLinkFolder& dataFolder, const CatalogueLocations& locations, EShellReports reports);

// What a start lists: the data folder made when missing and judged, then
// the products of its apps.ini, which a first start builds when it is
// missing (PrepareCatalogue). An untrusted data folder gives an empty
// catalogue, after a cause line.
CCatalogue ObtainCatalogue(const CatalogueLocations& locations, EShellReports reports);

// Writes temp.ini afresh from modules.ini: one section per distinct
// non-empty CustomerLabel (trimmed), holding its trimmed
// CustomerDescription; a later item with the same label replaces the
// earlier description. Writes nothing when no item has a label.
void ConvertModulesToTemp(const CFileInFolder& modulesIni, const CFileInFolder& tempIni);

// Runs Unicode.exe by its full path in the program's folder (open and
// judged trusted), hidden, through the machine's class of programs, on the
// two quoted paths and waits for it to end, for a minute at most. Nothing
// is started when it is not an ordinary file there. True only when the
// tool still runs after that minute: temp.ini is then its own.
bool RunUnicodeToolLeftRunning(const CNoLinkFolder& programFolder, const CFileInFolder& tempIni,
                               const CFileInFolder& appsIni, EShellReports reports);
