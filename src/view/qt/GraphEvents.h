#pragma once

#include <QEvent>

// The event types of the graph computation, posted by QtComputationSink.
inline const QEvent::Type WM_GRAPH_PROGRESS = static_cast<QEvent::Type>(QEvent::User + 1);
inline const QEvent::Type WM_GRAPH_DONE = static_cast<QEvent::Type>(QEvent::User + 2);
