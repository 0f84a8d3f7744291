// Times the first-run pipeline in-process for model files of 20, 2,000 and
// 5,000 modules, stage by stage: the model-file search on a factory tree,
// the model-code library writing modules.ini, the conversion to temp.ini,
// and Unicode.exe (from this program's folder) writing apps.ini; then what
// the larger models add to the whole against the 20-module one. Each figure
// is the fastest of three runs, the models taken in turns so that all see
// the same load on the machine. Targets: 2,000 modules add at most 0.5 s,
// 5,000 modules take under 2 s.
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
        modules.push_back(
            { "Marbek Factory Product " + std::to_string(i) + " Deluxe",
              "Installed at the factory: tools and features for this computer, part " + std::to_string(i) + "." });
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
    RunUnicodeToolLeftRunning(CNoLinkFolder(BinFolder()), temp, apps, EShellReports::Hidden);
    times.tool.push_back(stage.Milliseconds());
    times.total.push_back(total.Milliseconds());

    if (ProfileSectionNames(apps).size() != static_cast<size_t>(count))
        std::printf("  apps.ini does not hold %d products!\n", count);
}
}

int wmain()
{
    const int counts[] = { 20, 2000, 5000 };
    StageTimes times[3];
    for (int run = 0; run < 3; ++run)
        for (int i = 0; i < 3; ++i)
            RunOnce(counts[i], times[i]);
    std::printf("%8s %10s %10s %10s %10s %10s %10s  (ms, fastest of 3)\n", "modules", "search", "model", "convert",
                "tool", "total", "adds");
    const double base = Fastest(times[0].total);
    for (int i = 0; i < 3; ++i)
        std::printf("%8d %10.1f %10.1f %10.1f %10.1f %10.1f %10.1f\n", counts[i], Fastest(times[i].search),
                    Fastest(times[i].model), Fastest(times[i].convert), Fastest(times[i].tool), Fastest(times[i].total),
                    Fastest(times[i].total) - base);
    const double adds2000 = Fastest(times[1].total) - base;
    const double total5000 = Fastest(times[2].total);
    std::printf("  target: 2,000 modules add at most 500 ms -> %s\n", adds2000 <= 500 ? "met" : "MISSED");
    std::printf("  target: 5,000 modules under 2000 ms -> %s\n", total5000 < 2000 ? "met" : "MISSED");
    return 0;
}
