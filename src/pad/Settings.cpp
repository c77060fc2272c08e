#include "pad/mainwindow.h"

#include "pad/StoragePaths.h"
#include "pad/MainWindowForm.h"

#include <QGuiApplication>
#include <QSettings>

// Only the keys named here are written: the keys that other parts of the
// program keep in the same file stay as they are.
void MainWindow::SaveSettings()
{
    const QString path = StoragePaths::SettingsFilePath();
    if (!StoragePaths::SettingsFileUsable(path)) {
        ShowStatus(QStringLiteral("Settings could not be saved"));
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Font"), ui->Text1->font());
    settings.setValue(QStringLiteral("Format"), numberFormat);
    settings.setValue(QStringLiteral("UseWordOperators"), ui->actionUse_Word_Oporators->isChecked());
    settings.setValue(QStringLiteral("IgnoreText"), ui->actionIgnore_Text_When_Cannot_Solve->isChecked());
    settings.setValue(QStringLiteral("SaveLogOnClear"), ui->actionSave_Log_On_Clear->isChecked());
    settings.setValue(QStringLiteral("PredictiveTextComplete"), ui->actionPredictive_Text_Complete->isChecked());
    settings.setValue(QStringLiteral("SyntaxHelp"), ui->actionSyntax_Help->isChecked());

    QString outputBase = QStringLiteral("DEC");
    if (ui->actionOutputBaseBinary->isChecked())
        outputBase = QStringLiteral("BIN");
    else if (ui->actionOutputBaseOctal->isChecked())
        outputBase = QStringLiteral("OCT");
    else if (ui->actionOutputBaseHexadecimal->isChecked())
        outputBase = QStringLiteral("HEX");
    settings.setValue(QStringLiteral("OutputBase"), outputBase);

    SaveCustomFunctions(settings);
    settings.setValue(QStringLiteral("TopMost"), windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    settings.setValue(QStringLiteral("WindowGeometry"), saveGeometry());

    // A file that could not be written must not read as saved. The status
    // keeps its first error, so a syntax error of the file as it was read
    // would hide the outcome of the write: a file that was unreadable and now
    // reads cleanly was written.
    settings.sync();
    bool saved = settings.status() == QSettings::NoError;
    if (settings.status() == QSettings::FormatError && StoragePaths::SettingsFileUsable(path)) {
        const QSettings written(path, QSettings::IniFormat);
        saved = written.status() == QSettings::NoError
            && written.value(QStringLiteral("OutputBase")).toString() == outputBase;
    }
    ShowStatus(saved ? QStringLiteral("Settings Saved") : QStringLiteral("Settings could not be saved"));
}

// Each key is applied only when the file has it; a missing or unreadable file,
// or one that is no regular file, leaves the form's defaults.
void MainWindow::LoadSettings()
{
    LoadWindowSettings();
    LoadMenuSettings();
}

// What the window shows first: the pad's font, staying on top and the
// window's place.
void MainWindow::LoadWindowSettings()
{
    if (!StoragePaths::SettingsFileUsable())
        return;
    QSettings settings(StoragePaths::SettingsFilePath(), QSettings::IniFormat);
    if (settings.contains(QStringLiteral("Font"))) {
        // A font is stored as one; a hand-edited text that names none, an
        // empty one too, leaves the form's font.
        const QVariant stored = settings.value(QStringLiteral("Font"));
        QFont font;
        if (stored.metaType() == QMetaType::fromType<QFont>())
            ui->Text1->setFont(stored.value<QFont>());
        else if (!stored.toString().trimmed().isEmpty() && font.fromString(stored.toString()))
            ui->Text1->setFont(font);
    }
    if (settings.contains(QStringLiteral("TopMost")))
        ApplyTopMostState(settings.value(QStringLiteral("TopMost")).toBool());
    if (settings.contains(QStringLiteral("WindowGeometry")))
        restoreGeometry(settings.value(QStringLiteral("WindowGeometry")).toByteArray());
}

// The options the menus show, the number format and the custom functions.
void MainWindow::LoadMenuSettings()
{
    if (!StoragePaths::SettingsFileUsable())
        return;
    QSettings settings(StoragePaths::SettingsFilePath(), QSettings::IniFormat);
    if (settings.contains(QStringLiteral("Format")))
        numberFormat = settings.value(QStringLiteral("Format")).toString();

    const std::pair<const char*, QAction*> checks[] = {
        {"UseWordOperators", ui->actionUse_Word_Oporators},
        {"IgnoreText", ui->actionIgnore_Text_When_Cannot_Solve},
        {"SaveLogOnClear", ui->actionSave_Log_On_Clear},
        {"PredictiveTextComplete", ui->actionPredictive_Text_Complete},
        {"SyntaxHelp", ui->actionSyntax_Help},
    };
    for (const auto& [key, action] : checks) {
        const QString name = QString::fromLatin1(key);
        if (settings.contains(name))
            action->setChecked(settings.value(name).toBool());
    }

    if (settings.contains(QStringLiteral("OutputBase"))) {
        const QString base = settings.value(QStringLiteral("OutputBase")).toString().trimmed().toUpper();
        QAction* const bases[] = {ui->actionOutputBaseDecimal, ui->actionOutputBaseBinary, ui->actionOutputBaseOctal,
                                  ui->actionOutputBaseHexadecimal};
        for (QAction* action : bases)
            action->setChecked(false);
        if (base == QLatin1String("BIN"))
            ui->actionOutputBaseBinary->setChecked(true);
        else if (base == QLatin1String("OCT"))
            ui->actionOutputBaseOctal->setChecked(true);
        else if (base == QLatin1String("HEX"))
            ui->actionOutputBaseHexadecimal->setChecked(true);
        else
            ui->actionOutputBaseDecimal->setChecked(true);
    }

    LoadCustomFunctions(settings);
}

void MainWindow::ApplyTopMostState(bool on)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    show();
    // Platform plugins come in variants ("wayland-egl"): the family counts.
    const QString platform = QGuiApplication::platformName().toLower();
    if (on && (platform.contains(QLatin1String("xcb")) || platform.contains(QLatin1String("wayland"))))
        raise();
}

void MainWindow::on_actionSave_Settings_triggered()
{
    SaveSettings();
}
