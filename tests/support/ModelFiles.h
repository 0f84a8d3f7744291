#pragma once
// Factory model files for tests, in the format the model-code library reads.
#include <afxwin.h>

#include <string>
#include <vector>

struct ModelModule
{
    std::string m_label;       // UTF-8
    std::string m_description; // UTF-8
};

// Writes a model file with one Module per entry (ids M1, M2, ...); true on success.
bool WriteModelFile(const CString& path, const std::vector<ModelModule>& modules);
