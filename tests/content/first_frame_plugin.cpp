// A Qt plugin that ends any Qt program once its first frame is painted, so that a test can
// start the installed game, untouched, and see that it gets as far as showing its window.
// Loaded with QT_PLUGIN_PATH=<folder holding generic/> QT_QPA_GENERIC_PLUGINS=tolmfirstframe.
#include <QGenericPlugin>

#include "bench/first_paint.h"

namespace tolm::testing {

class FirstFramePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_frame_plugin.json")

public:
    // Qt creates the plugin's object while it builds the application, before main() goes on.
    QObject* create(const QString&, const QString&) override { return new bench::FirstPaintWatch(bench::Clock::now()); }
};

}  // namespace tolm::testing

#include "first_frame_plugin.moc"
