#include "pad/mainwindow.h"

#include "pad/PadDocumentLayout.h"
#include "pad/StoragePaths.h"
#include "tools/TimeBudget.h"
#include "tools/TravokMonetization.h"
#include "pad/MainWindowForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {
bool releaseCheckEnabled = true;
QUrl releaseCheckUrlOverride;

QUrl ReleaseMetadataUrl()
{
    if (!releaseCheckUrlOverride.isEmpty())
        return releaseCheckUrlOverride;
    return QUrl(
        QStringLiteral("https://%1/SumvelleDesktop/release.json").arg(QLatin1String(TravokMonetization::MakerWebHost)),
        QUrl::TolerantMode);
}
} // namespace

// The resources are compiled into a static library; the linker keeps them only
// when something refers to their registration function.
static void registerResources()
{
    Q_INIT_RESOURCE(sumvelle);
}

void MainWindow::SetReleaseCheckEnabled(bool enabled)
{
    releaseCheckEnabled = enabled;
}

void MainWindow::SetReleaseCheckUrl(const QUrl& url)
{
    releaseCheckUrlOverride = url;
}

MainWindow::MainWindow(QWidget* parent, StartUp startUp) : QMainWindow(parent), ui(new MainWindowForm())
{
    // Uptime counts from here, before the form is built and the settings read.
    uptimeClock.start();

    registerResources();
    ui->setupWindow(this);
    connect(ui->Text1, SIGNAL(textChanged()), this, SLOT(on_Text1_textChanged()));
    connect(ui->Text1, SIGNAL(cursorPositionChanged()), this, SLOT(on_Text1_cursorPositionChanged()));

    // A pad of its own layout, before anything follows the pad's document.
    auto* padDocument = new QTextDocument(ui->Text1);
    padDocument->setDocumentLayout(new PadDocumentLayout(padDocument));
    ui->Text1->setDocument(padDocument);

    // Every dropped file reaches the window's own drop handling.
    setAcceptDrops(true);
    ui->Text1->setAcceptDrops(false);
    ui->Text1->viewport()->setAcceptDrops(false);

    ui->Text1->installEventFilter(this);
    ui->Text1->viewport()->installEventFilter(this);

    // The document reports every change, also those made while the pad's
    // own signals are blocked.
    padIndex.Reset(ui->Text1->document()->toPlainText());
    connect(ui->Text1->document(), &QTextDocument::contentsChange, this, &MainWindow::FollowPadChange);

    CopyFilesToDataLocation(QCoreApplication::applicationDirPath(), StoragePaths::DataDirectory());

    LoadWindowSettings();
    InitializePredictiveText();

    TravokMonetization::Initialize(QStringLiteral("sumvelle-desktop"), QStringLiteral("Sumvelle Desktop"),
                                   QStringLiteral("1.0.0"));
    connect(ui->updateNoticeCloseButton, &QToolButton::clicked, this, &MainWindow::DismissCurrentReleaseNotice);
    // The check starts once the window shows (FinishStartUp): the network
    // stack costs more to set up than the window does.
    releaseCheckWanted = releaseCheckEnabled;
    connect(ui->updateNoticeLabel, &QLabel::linkActivated, this, [this](const QString&) { ShowUpdateWindow(); });

    UpdateDocumentWindowTitle();

    if (startUp == StartUp::Whole) {
        FinishForm();
    } else {
        // A menu opened before its items are built builds them first.
        for (QMenu* menu : {ui->menuFile, ui->menuEdit, ui->menuOptions, ui->menuTools, ui->menuHelp})
            connect(menu, &QMenu::aboutToShow, this, &MainWindow::FinishForm);
    }
}

void MainWindow::FinishForm()
{
    if (ui->finished())
        return;
    ui->finishSetup(this);
    for (QMenu* menu : {ui->menuFile, ui->menuEdit, ui->menuOptions, ui->menuTools, ui->menuHelp})
        disconnect(menu, &QMenu::aboutToShow, this, &MainWindow::FinishForm);
    // The form's slots, connected by name as the form's own matching would,
    // which instead compares every slot with each of the form's hundreds of
    // objects: a measurable part of start-up.
    connect(ui->actionNew_Document, SIGNAL(triggered()), this, SLOT(on_actionNew_Document_triggered()));
    connect(ui->actionOpen_Document, SIGNAL(triggered()), this, SLOT(on_actionOpen_Document_triggered()));
    connect(ui->actionSave_Document, SIGNAL(triggered()), this, SLOT(on_actionSave_Document_triggered()));
    connect(ui->actionSave_Document_As, SIGNAL(triggered()), this, SLOT(on_actionSave_Document_As_triggered()));
    connect(ui->actionInsert_Document_At_Cursor, SIGNAL(triggered()), this,
            SLOT(on_actionInsert_Document_At_Cursor_triggered()));
    connect(ui->actionSave_Settings, SIGNAL(triggered()), this, SLOT(on_actionSave_Settings_triggered()));
    connect(ui->actionShow_Log, SIGNAL(triggered()), this, SLOT(on_actionShow_Log_triggered()));
    connect(ui->actionCopyWithoutFormatting, SIGNAL(triggered()), this,
            SLOT(on_actionCopyWithoutFormatting_triggered()));
    connect(ui->actionExit, SIGNAL(triggered()), this, SLOT(on_actionExit_triggered()));
    connect(ui->actionLarger, SIGNAL(triggered()), this, SLOT(on_actionLarger_triggered()));
    connect(ui->actionSmaller, SIGNAL(triggered()), this, SLOT(on_actionSmaller_triggered()));
    connect(ui->actionSet_As_Top_Most_TopMost, SIGNAL(triggered()), this,
            SLOT(on_actionSet_As_Top_Most_TopMost_triggered()));
    connect(ui->actionSet_As_Not_Top_Most_Not_TopMost, SIGNAL(triggered()), this,
            SLOT(on_actionSet_As_Not_Top_Most_Not_TopMost_triggered()));
    connect(ui->actionMoney_0_00, SIGNAL(triggered()), this, SLOT(on_actionMoney_0_00_triggered()));
    connect(ui->actionLarge_Numbers_0, SIGNAL(triggered()), this, SLOT(on_actionLarge_Numbers_0_triggered()));
    connect(ui->actionClear, SIGNAL(triggered()), this, SLOT(on_actionClear_triggered()));
    connect(ui->actionClear_Pad, SIGNAL(triggered()), this, SLOT(on_actionClear_Pad_triggered()));
    connect(ui->actionLog_Viewer, SIGNAL(triggered()), this, SLOT(on_actionLog_Viewer_triggered()));
    connect(ui->actionFont, SIGNAL(triggered()), this, SLOT(on_actionFont_triggered()));

    LoadMenuSettings();
    InitializeMenus();
    ConnectPredictiveTextOptions();
    UpdateDocumentWindowTitle();
}

MainWindow::~MainWindow()
{
    // The pad and its document live on while the base class tears the
    // children down; by then they must no longer reach this window.
    ui->Text1->removeEventFilter(this);
    ui->Text1->viewport()->removeEventFilter(this);
    ReleasePredictiveText();
    ui->Text1->document()->disconnect(this);
    ui->Text1->disconnect(this);
    delete ui;
}

void MainWindow::FinishStartUp()
{
    FinishForm();
    // Made now, so that the first keystroke does not wait for them.
    MakeCompleter();
    PrepareCompletionWordsAhead();
    if (!releaseCheckWanted)
        return;
    releaseCheckWanted = false;
    // The library for secure connections takes longer to load than a key may
    // wait, so it loads on a thread of its own and the check starts once it
    // has.
    const auto loadAhead = [](SearchLimit&) { TravokMonetization::LoadSecureConnections(); };
    releaseCheckAhead = std::make_unique<BackgroundTask>(this, -1, loadAhead, [this] {
        TravokMonetization::CheckForReleaseAsync(
            this, ReleaseMetadataUrl(),
            [this](TravokMonetization::ReleaseCheckResult result, const TravokMonetization::ReleaseMetadata& metadata,
                   TravokMonetization::ReleaseComparison comparison) {
                HandleReleaseCheckResult(result, metadata, comparison);
            },
            8000);
    });
}

void MainWindow::CopyFilesToDataLocation(const QString& executableDirectory, const QString& dataLocation)
{
    if (dataLocation.isEmpty() || !QDir().mkpath(dataLocation))
        return;
    const std::pair<QString, QString> copies[] = {
        {StoragePaths::SettingsFilePath(executableDirectory), StoragePaths::SettingsFilePath(dataLocation)},
        {StoragePaths::LogFilePath(executableDirectory), StoragePaths::LogFilePath(dataLocation)},
    };
    for (const auto& [oldPath, newPath] : copies) {
        if (oldPath == newPath)
            continue;
        // Copying a pipe or a device would never end.
        if (QFileInfo(oldPath).isFile() && !QFile::exists(newPath))
            QFile::copy(oldPath, newPath);
    }
}

void MainWindow::HandleReleaseCheckResult(TravokMonetization::ReleaseCheckResult result,
                                          const TravokMonetization::ReleaseMetadata& metadata,
                                          TravokMonetization::ReleaseComparison comparison)
{
    releaseCheckDone = true;
    if (result == TravokMonetization::UpdateAvailable) {
        ApplyAvailableRelease(metadata, comparison);
    } else {
        releaseAvailable = false;
        ui->updateNoticeFrame->hide();
    }
}

void MainWindow::FollowPadChange(int position, int removed, int added)
{
    ++padChanges;
    padIndex.FollowDocumentChange(ui->Text1->document(), position, removed, added);
    ForgetBoldRunsOfChangedBlocks(position, added);
}
