#pragma once

#include <QFile>
#include <QTextStream>
#include <QWidget>
#include <QWindow>
#include <QCoreApplication>

#include <cstdio>

// Shared by the start-up probes: wait until the window is exposed, then print
// the process's peak resident memory (VmHWM, kB) and leave.
inline int reportWhenShown(QWidget &window)
{
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();

    long peakKb = -1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("VmHWM:"))
                peakKb = line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    std::printf("peak_kb %ld\n", peakKb);
    std::fflush(stdout);
    return 0;
}
