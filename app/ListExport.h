#pragma once
// The export switches' work: the whole catalogue, in its order, written to
// each file asked for, with an exit code for scripts.
#include "SoftwareInfoCommandLine.h"

#include <ListHeadings.h>

#include <vector>

// The exit codes of an export; each but kExportWritten leaves a cause line.
enum EExportExitCode
{
    kExportWritten = 0,          // every file written, with the products
    kExportNoProduct = 1,        // every file written, but the catalogue holds no product
    kExportWrongCommandLine = 2, // an export switch without a file name: nothing done
    kExportNotWritten = 3,       // a file could not be written (the others were)
};

// Obtains the catalogue (a first start when apps.ini is missing), writes
// every file and tells the starter what failed (StarterReport.h).
EExportExitCode ExportList(const std::vector<CExportRequest>& requests, const CListHeadings& headings);
