#include "QtTimerSource.h"

#include <QTimer>
#include <algorithm>

namespace platform {
namespace {

class QtTimer final : public ITimer {
public:
    explicit QtTimer(std::function<void()> onTick) : m_onTick(std::move(onTick)) {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto callback = m_onTick; // the timer may be destroyed by its own callback
            callback();
        });
    }
    void Start(int intervalMs) override { m_timer.start(std::max(intervalMs, 1)); }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }

private:
    std::function<void()> m_onTick;
    QTimer m_timer;
};

} // namespace

std::unique_ptr<ITimer> QtTimerSource::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimer>(std::move(onTick));
}

} // namespace platform
