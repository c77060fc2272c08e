#pragma once

#include "tools/TravokMonetization.h"

#include <QDialog>

class Ui_UpdateWindow;

// The update window: installed and available version, what the update costs,
// the release message and a button to the release's web page. Closing it only
// hides it; the main window refills it each time it is shown.
class UpdateWindow : public QDialog
{
    Q_OBJECT

public:
    explicit UpdateWindow(QWidget* parent = nullptr);
    ~UpdateWindow() override;

    void SetReleaseState(bool available, const TravokMonetization::ReleaseMetadata& metadata,
                         TravokMonetization::ReleaseComparison comparison);

    // True for a URL the browser may be given: a web URL with a host and
    // no user information.
    static bool IsOpenableReleaseUrl(const QUrl& url);

public slots:
    void OpenReleaseDestination();

private:
    Ui_UpdateWindow* ui;
    TravokMonetization::ReleaseMetadata releaseMetadata;
    TravokMonetization::ReleaseComparison releaseComparison = TravokMonetization::Unknown;
};
