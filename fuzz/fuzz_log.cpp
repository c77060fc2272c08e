// The calculator-log reader and the log viewer's search. The first line is
// the search text, the second holds the switches ("c" Case Sensitive, "r"
// Regular Expression, "v" reverse), the rest is the log's bytes.

#include "FuzzSupport.h"

#include "pad/StoragePaths.h"
#include "tools/LogViewer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {
// One viewer for the process, never destroyed, like the application: made
// per input, it costs more than reading and searching the log.
struct Scene
{
    LogViewer* viewer = new LogViewer;
    FuzzSupport::ControlState asMade = FuzzSupport::SavedControls(*viewer);
};

Scene& TheScene()
{
    static Scene* scene = new Scene;
    return *scene;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    TheScene();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzSupport::SplitInput input = FuzzSupport::Split(data, size);
    const QString& search = input.first;
    const QString& switches = input.second;
    const QString path = FuzzSupport::WriteDataFile(StoragePaths::LogFilePath(), input.rest);

    Scene& scene = TheScene();
    LogViewer& viewer = *scene.viewer;
    // Opening reads the days anew and lists them under the controls as a new
    // viewer has them.
    FuzzSupport::RestoreControls(viewer, scene.asMade);
    viewer.OpenLogFile(path);
    viewer.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"))->setChecked(switches.contains(QLatin1Char('c')));
    viewer.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))
        ->setChecked(switches.contains(QLatin1Char('r')));
    viewer.findChild<QCheckBox*>(QStringLiteral("CheckReverseSearch"))->setChecked(switches.contains(QLatin1Char('v')));
    viewer.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(search);
    auto* days = viewer.findChild<QListWidget*>(QStringLiteral("ListLogDays"));
    for (int row = 0; row < std::min(days->count(), 8); ++row)
        days->setCurrentRow(row);
    viewer.findChild<QPushButton*>(QStringLiteral("ButtonFindNext"))->click();
    viewer.findChild<QPushButton*>(QStringLiteral("ButtonFindPrevious"))->click();
    FuzzSupport::WipeUserFiles();
    return 0;
}
