// Times the first-run pipeline in-process for model files of 100 and 2,000
// modules, stage by stage: the model-file search on a factory tree, the
// model-code library writing modules.ini, the conversion to temp.ini, and
// Unicode.exe (from this program's folder) writing apps.ini. Each figure is
// the median of three runs; the target is 2,000 modules in under 2 s.
#include "BenchTiming.h"

#include <CataloguePreparation.h>
#include <FactoryDiscovery.h>
#include <Meridale.h>
#include <ModelFiles.h>
#include <ProfileFiles.h>
#include <TestFolders.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::vector<ModelModule> MakeModules(int count)
{
    std::vector<ModelModule> modules;
    for (int i = 0; i < count; ++i)
        modules.push_back({"Marbek Factory Product " + std::to_string(i) + " Deluxe",
                           "Installed at the factory: tools and features for this computer, part " +
                               std::to_string(i) + "."});
    return modules;
}

struct StageTimes
{
    std::vector<double> search, model, convert, tool, total;
};

void RunOnce(int count, StageTimes& times)
{
    CTempFolder volume, data;
    CreateDirectoryW(volume / L"idf", nullptr);
    CreateDirectoryW(volume / L"idf\\Drivers", nullptr);
    CreateDirectoryW(volume / L"idf\\Model", nullptr);
    WriteModelFile(volume / L"idf\\Model\\PCMODEL_XML.xml", MakeModules(count));
    const CString modules = data / L"modules.ini", temp = data / L"temp.ini", apps = data / L"apps.ini";

    CStopwatch total;
    CStopwatch stage;
    g_strModelFile.Empty();
    FindModelFile(volume / L"idf", L"XML");
    times.search.push_back(stage.Milliseconds());

    stage = CStopwatch();
    MakeIniFromMcode(modules, g_strModelFile);
    times.model.push_back(stage.Milliseconds());

    stage = CStopwatch();
    ConvertModulesToTemp(modules, temp);
    times.convert.push_back(stage.Milliseconds());

    stage = CStopwatch();
    RunUnicodeTool(temp, apps, BinFolder());
    times.tool.push_back(stage.Milliseconds());
    times.total.push_back(total.Milliseconds());

    if (ProfileSectionNames(apps).size() != static_cast<size_t>(count))
        std::printf("  apps.ini does not hold %d products!\n", count);
}
}

int wmain()
{
    std::printf("%8s %10s %10s %10s %10s %10s  (ms, median of 3)\n", "modules", "search", "model", "convert",
                "tool", "total");
    for (int count : {100, 2000})
    {
        StageTimes times;
        for (int run = 0; run < 3; ++run)
            RunOnce(count, times);
        std::printf("%8d %10.1f %10.1f %10.1f %10.1f %10.1f\n", count, Median(times.search), Median(times.model),
                    Median(times.convert), Median(times.tool), Median(times.total));
    }
    return 0;
}
