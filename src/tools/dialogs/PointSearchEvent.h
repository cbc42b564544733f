#pragma once

#include "expr/CExprException.h"
#include "tools/FoundPoint.h"
#include "tools/PointRequest.h"

#include <QEvent>

#include <optional>
#include <vector>

// The point search worker's reports to its dialog, posted by
// QtPointSearchSink: the percent done, and the end of a run.
inline const QEvent::Type WM_POINTS_PROGRESS = static_cast<QEvent::Type>(QEvent::User + 6);
inline const QEvent::Type WM_POINTS_DONE = static_cast<QEvent::Type>(QEvent::User + 7);

class PointSearchEvent : public QEvent {
public:
    explicit PointSearchEvent(int percentDone) : QEvent(WM_POINTS_PROGRESS), percent(percentDone) {}
    PointSearchEvent(SearchOutcome searchOutcome, std::vector<FoundPoint> found,
                     std::optional<CExprException> exception)
        : QEvent(WM_POINTS_DONE), outcome(searchOutcome), points(std::move(found)), error(std::move(exception))
    {
    }

    const int percent = 100;
    const SearchOutcome outcome = SearchOutcome::Finished;
    const std::vector<FoundPoint> points;
    const std::optional<CExprException> error;
};
