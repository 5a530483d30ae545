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
class eerste_verf_melder : public QObject {
public:
    explicit eerste_verf_melder(QString venster_naam) : m_venster_naam(std::move(venster_naam)) {}

    bool eventFilter(QObject* object, QEvent* gebeurtenis) override {
        if (!m_gezien && gebeurtenis->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget && widget->window()->objectName() == m_venster_naam) {
                m_gezien = true;
                QTimer::singleShot(0, [] {
                    timespec nu{};
                    clock_gettime(CLOCK_MONOTONIC, &nu);
                    std::printf("%lld\n",
                                static_cast<long long>(nu.tv_sec) * 1000000000LL + nu.tv_nsec);
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    QString m_venster_naam;
    bool m_gezien = false;
};
