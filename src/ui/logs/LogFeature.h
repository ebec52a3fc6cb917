#pragma once

#include "logs/LogViewerWindow.h"
#include "window/FeatureHost.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;

namespace ign {

class LiveChartWindow;
class Link;
class LogRecorder;
class OwnText;
class ProfileFile;

// The monitor logs in the window: the recorder and its menu items (start,
// stop, marker, automatic), its state in the status line, the live chart and
// the log viewer.
class LogFeature : public QObject, public Feature {
    Q_OBJECT

public:
    explicit LogFeature(FeatureHost& host);
    ~LogFeature() override;

    LogRecorder& recorder() { return *recorder_; }
    LiveChartWindow* chart() const { return chart_; }
    LogViewerWindow* viewer() const { return viewer_; }

    void loadSettings(const ProfileFile& file);
    void storeSettings(ProfileFile& file) const;
    void tick();
    // The texts it puts together itself, again in the window's language.
    void retranslate();

private:
    void showState();
    LogViewerWindow::Sources SourcesOf(FeatureHost& host);
    void Connect(FeatureHost& host);

    std::unique_ptr<LogRecorder> recorder_;
    LiveChartWindow* chart_ = nullptr;
    LogViewerWindow* viewer_ = nullptr;
    QLabel* state_ = nullptr;
    QAction* start_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* mark_ = nullptr;
    QAction* automatic_ = nullptr;
    QAction* chartItem_ = nullptr;
    QAction* viewerItem_ = nullptr;
    OwnText* cannotRecord_ = nullptr;
    OwnText* automaticOff_ = nullptr;
    bool saysAutomaticOff_ = false;  // a Stop turned automatic recording off, and nothing since
    FeatureHost& host_;
};

}  // namespace ign
