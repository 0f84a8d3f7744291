#pragma once
// The first-run preparation: builds apps.ini from the factory model file
// when it is missing.
#include "Catalogue.h"
#include "CatalogueLocations.h"

// Creates the data folder when missing and, when apps.ini is missing, runs
// the whole pipeline: factory volume, model file, modules.ini, temp.ini (a
// leftover from an interrupted start removed first), Unicode.exe. Tells the
// caller nothing (each failing step leaves its cause through
// OutputDebugStringW); the caller loads apps.ini either way.
void PrepareCatalogue(const CatalogueLocations& locations);

// What a start lists: the products of apps.ini, which a first start builds
// when it is missing (PrepareCatalogue).
CCatalogue ObtainCatalogue(const CatalogueLocations& locations);

// Writes temp.ini afresh from modules.ini: one section per distinct
// non-empty CustomerLabel (trimmed), holding its trimmed
// CustomerDescription; a later item with the same label replaces the
// earlier description. Writes nothing when no item has a label.
void ConvertModulesToTemp(CString strModulesIni, CString strTempIni);

// Runs Unicode.exe by its full path in the executable folder, hidden, on the
// two quoted paths and waits for it to end, for a minute at most. Nothing is
// started when it is not a file there. True only when the tool still runs
// after that minute: temp.ini is then its own.
bool RunUnicodeToolLeftRunning(CString strTempIni, CString strAppsIni, CString strExeFolder);
