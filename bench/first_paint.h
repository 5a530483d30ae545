#pragma once

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include <QEvent>
#include <QString>
#include <QTimer>
#include <QWidget>

// Start-up probes: once the window with the given object name has been painted for the first
// time and the event loop is free again, prints the monotonic clock in nanoseconds and ends the
// process at once. Teardown is no part of start-up, so it is skipped.
class first_paint_marker : public QObject {
public:
    explicit first_paint_marker(QString window_name) : m_window_name(std::move(window_name)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window()->objectName() == m_window_name) {
                m_seen = true;
                QTimer::singleShot(0, [] {
                    timespec now{};
                    clock_gettime(CLOCK_MONOTONIC, &now);
                    std::printf("%lld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    QString m_window_name;
    bool m_seen = false;
};
